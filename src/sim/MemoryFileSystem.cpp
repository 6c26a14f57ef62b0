#include "sim/MemoryFileSystem.h"

namespace nuv {

MemoryFileSystem::MemoryFileSystem() {
    for (const char* folder : {"DATA", "ETCS", "PETS", "PETSOUND"})
        AddFolder(folder);
}

std::string MemoryFileSystem::Key(std::string_view path) {
    std::string key;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        std::string_view name = path.substr(start, end - start);
        if (!name.empty() && name != ".") {
            if (!key.empty()) key += '/';
            for (char c : name)
                key += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        }
        start = end + 1;
    }
    return key;
}

std::string MemoryFileSystem::Parent(const std::string& key) {
    std::size_t slash = key.rfind('/');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

uint32_t MemoryFileSystem::CheckCreate(const std::string& key) const {
    std::string parent = Parent(key);
    if (!parent.empty() && !folders_.count(parent)) return kErrorPathNotFound;
    if (folders_.count(key)) return kErrorAccessDenied;
    if (locked_.count(key)) return kErrorSharingViolation;
    if (readOnly_.count(key)) return kErrorAccessDenied;
    return kErrorSuccess;
}

FileReadResult MemoryFileSystem::ReadFile(const std::string& path) {
    FileReadResult result;
    std::string key = Key(path);
    auto it = files_.find(key);
    if (it == files_.end()) {
        std::string parent = Parent(key);
        result.error = !parent.empty() && !folders_.count(parent) ? kErrorPathNotFound
                       : folders_.count(key)                      ? kErrorAccessDenied
                                                                  : kErrorFileNotFound;
        return result;
    }
    if (locked_.count(key)) {
        result.error = kErrorSharingViolation;
        return result;
    }
    result.status = FileReadResult::kOk;
    result.error = kErrorSuccess;
    result.size = it->second.size();
    result.data = it->second;
    return result;
}

FileWriteResult MemoryFileSystem::WriteFile(const std::string& path, std::string_view data,
                                            bool durable) {
    FileWriteResult result;
    durableWrites_ += durable;
    std::string key = Key(path);
    if ((result.error = CheckCreate(key))) return result;
    files_[key].clear();
    if (writesLeft_ == 0) {
        result.status = FileWriteResult::kWriteFailed;
        result.error = kErrorDiskFull;
        return result;
    }
    if (writesLeft_ > 0) --writesLeft_;
    files_[key] = std::string(data);
    Remember(key, path);
    result.status = FileWriteResult::kOk;
    return result;
}

uint32_t MemoryFileSystem::AppendFile(const std::string& path, std::string_view data) {
    std::string key = Key(path);
    if (uint32_t error = CheckCreate(key)) return error;
    files_[key].append(data);
    Remember(key, path);
    return kErrorSuccess;
}

uint32_t MemoryFileSystem::FileSize(const std::string& path, uint64_t* size) {
    FileReadResult read = ReadFile(path);
    if (read.status != FileReadResult::kOk) return read.error;
    *size = read.size;
    return kErrorSuccess;
}

uint32_t MemoryFileSystem::DeleteFile(const std::string& path) {
    std::string key = Key(path);
    if (!files_.count(key)) return kErrorFileNotFound;
    if (locked_.count(key)) return kErrorSharingViolation;
    if (readOnly_.count(key)) return kErrorAccessDenied;
    files_.erase(key);
    names_.erase(key);
    return kErrorSuccess;
}

uint32_t MemoryFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
    std::string source = Key(from), target = Key(to);
    if (!files_.count(source)) return kErrorFileNotFound;
    if (locked_.count(source)) return kErrorSharingViolation;
    if (uint32_t error = CheckCreate(target)) return error;
    std::string data = std::move(files_[source]);
    files_.erase(source);
    files_[target] = std::move(data);
    names_.erase(source);
    Remember(target, to);
    return kErrorSuccess;
}

bool MemoryFileSystem::FileExists(const std::string& path) {
    return files_.count(Key(path));
}

void MemoryFileSystem::AddFolder(const std::string& path) {
    folders_.insert(Key(path));
}
void MemoryFileSystem::RemoveFolder(const std::string& path) {
    folders_.erase(Key(path));
}
void MemoryFileSystem::Put(const std::string& path, std::string_view data) {
    files_[Key(path)] = std::string(data);
    Remember(Key(path), path);
}

void MemoryFileSystem::Remember(const std::string& key, std::string_view path) {
    std::string name;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = path.substr(start, end - start);
        if (!part.empty() && part != ".") name.append(name.empty() ? "" : "/").append(part);
        start = end + 1;
    }
    names_[key] = name;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
    std::vector<std::string> paths;
    for (const auto& [key, name] : names_)
        paths.push_back(name);
    return paths;
}

std::string MemoryFileSystem::Get(const std::string& path) const {
    auto it = files_.find(Key(path));
    return it == files_.end() ? std::string() : it->second;
}

bool MemoryFileSystem::Has(const std::string& path) const {
    return files_.count(Key(path));
}

void MemoryFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    if (readOnly)
        readOnly_.insert(Key(path));
    else
        readOnly_.erase(Key(path));
}

void MemoryFileSystem::SetLocked(const std::string& path, bool locked) {
    if (locked)
        locked_.insert(Key(path));
    else
        locked_.erase(Key(path));
}

}  // namespace nuv
