#include "host/OverlayFileSystem.h"

namespace nuv {
namespace {

// The path as the key of a set: lower case, one kind of separator, no "." folders.
std::string Normalised(const std::string& path) {
    std::string key;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(start, end - start);
        if (!name.empty() && name != ".") {
            if (!key.empty()) key += '/';
            for (char c : name)
                key += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        }
        start = end + 1;
    }
    return key;
}

}  // namespace

bool OverlayFileSystem::Shadowed(const std::string& path) const {
    return changes_.Has(path) || deleted_.count(Normalised(path)) > 0;
}

void OverlayFileSystem::MakeFolderFor(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos) changes_.AddFolder(path.substr(0, slash));
}

FileReadResult OverlayFileSystem::ReadFile(const std::string& path) {
    if (changes_.Has(path)) return changes_.ReadFile(path);
    if (deleted_.count(Normalised(path))) return FileReadResult{};
    return base_.ReadFile(path);
}

FileWriteResult OverlayFileSystem::WriteFile(const std::string& path, std::string_view data,
                                             bool durable) {
    MakeFolderFor(path);
    FileWriteResult result = changes_.WriteFile(path, data, durable);
    if (result.ok()) deleted_.erase(Normalised(path));
    return result;
}

uint32_t OverlayFileSystem::AppendFile(const std::string& path, std::string_view data) {
    if (!Shadowed(path)) {
        FileReadResult old = base_.ReadFile(path);
        if (old.status == FileReadResult::kOk) {
            FileWriteResult copied = WriteFile(path, old.data, false);
            if (!copied.ok()) return copied.error;
        }
    }
    MakeFolderFor(path);
    uint32_t error = changes_.AppendFile(path, data);
    if (!error) deleted_.erase(Normalised(path));
    return error;
}

uint32_t OverlayFileSystem::FileSize(const std::string& path, uint64_t* size) {
    if (changes_.Has(path)) return changes_.FileSize(path, size);
    if (deleted_.count(Normalised(path))) return kErrorFileNotFound;
    return base_.FileSize(path, size);
}

uint32_t OverlayFileSystem::DeleteFile(const std::string& path) {
    bool inBase = !deleted_.count(Normalised(path)) && base_.FileExists(path);
    bool changed = changes_.Has(path);
    if (!inBase && !changed) return kErrorFileNotFound;
    if (changed) changes_.DeleteFile(path);
    if (inBase) deleted_.insert(Normalised(path));
    return kErrorSuccess;
}

uint32_t OverlayFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
    FileReadResult source = ReadFile(from);
    if (source.status != FileReadResult::kOk) return source.error;
    FileWriteResult written = WriteFile(to, source.data, false);
    if (!written.ok()) return written.error;
    return DeleteFile(from);
}

bool OverlayFileSystem::FileExists(const std::string& path) {
    if (changes_.Has(path)) return true;
    return !deleted_.count(Normalised(path)) && base_.FileExists(path);
}

}  // namespace nuv
