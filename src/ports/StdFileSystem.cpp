#include "ports/StdFileSystem.h"

#include <fstream>
#include <system_error>
#include <type_traits>

namespace nuv {
namespace fs = std::filesystem;

namespace {

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Folded(a[i]) != Folded(b[i])) return false;
    }
    return true;
}

// The last name of a folder entry: without a copy where the host's paths are narrow.
template <typename Char = fs::path::value_type>
std::string_view FileName(const fs::path& path, std::string* held) {
    if constexpr (std::is_same_v<Char, char>) {
        std::string_view whole = path.native();
        std::size_t slash = whole.rfind('/');
        return slash == std::string_view::npos ? whole : whole.substr(slash + 1);
    } else {
        *held = path.filename().string();
        return *held;
    }
}

// Sets `name` to the stored name in `folder` that matches it but for letter case, if any.
bool FindFolded(const fs::path& folder, std::string* name) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string held;
        std::string_view stored = FileName(it->path(), &held);
        if (SameFolded(stored, *name)) {
            *name = std::string(stored);
            return true;
        }
    }
    return false;
}

uint32_t ToWinError(const std::error_code& ec, uint32_t fallback) {
    switch (std::errc(ec.value())) {
        case std::errc::no_such_file_or_directory:
            return kErrorFileNotFound;
        case std::errc::not_a_directory:
            return kErrorPathNotFound;
        case std::errc::permission_denied:
        case std::errc::operation_not_permitted:
        case std::errc::read_only_file_system:
        case std::errc::is_a_directory:
            return kErrorAccessDenied;
        case std::errc::no_space_on_device:
            return kErrorDiskFull;
        case std::errc::not_enough_memory:
            return kErrorNotEnoughMemory;
        case std::errc::filename_too_long:
            return kErrorInvalidName;
        case std::errc::device_or_resource_busy:
        case std::errc::text_file_busy:
            return kErrorSharingViolation;
        default:
            return fallback;
    }
}

// The error of the last failed stream operation, read from errno through <system_error>.
uint32_t LastStreamError(uint32_t fallback) {
    return ToWinError(std::error_code(errno, std::generic_category()), fallback);
}

}  // namespace

StdFileSystem::StdFileSystem(fs::path root) : root_(std::move(root)) {}

fs::path StdFileSystem::HostPath(const std::string& path, bool* parentMissing) const {
    if (parentMissing) *parentMissing = false;
    fs::path host = root_;
    std::size_t start = 0;
    // A path that starts at the host's root (a tool given an absolute path) ignores the root.
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        host = fs::path("/");
        start = 1;
    }
    bool missing = false;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(start, end - start);
        bool last = end == path.size();
        start = end + 1;
        if (name.empty() || name == ".") {
            if (last) break;
            continue;
        }
        std::error_code ec;
        if (!missing && !fs::exists(host / name, ec) && !FindFolded(host, &name) && !last)
            missing = true;
        host /= name;
        if (last) break;
    }
    if (parentMissing) *parentMissing = missing;
    return host;
}

uint32_t StdFileSystem::MissingError(const std::string& path) const {
    bool parentMissing = false;
    HostPath(path, &parentMissing);
    return parentMissing ? kErrorPathNotFound : kErrorFileNotFound;
}

FileReadResult StdFileSystem::ReadFile(const std::string& path) {
    FileReadResult result;
    bool parentMissing = false;
    fs::path host = HostPath(path, &parentMissing);
    std::error_code ec;
    if (parentMissing || !fs::is_regular_file(host, ec)) {
        result.error = parentMissing                ? kErrorPathNotFound
                       : fs::is_directory(host, ec) ? kErrorAccessDenied
                                                    : kErrorFileNotFound;
        return result;
    }
    std::ifstream in(host, std::ios::binary);
    if (!in) {
        result.error = LastStreamError(kErrorAccessDenied);
        return result;
    }
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    result.size = size < 0 ? 0 : uint64_t(size);
    result.data.resize(std::size_t(result.size));
    in.read(result.data.data(), std::streamsize(result.size));
    result.data.resize(std::size_t(in.gcount()));
    if (in.bad()) {
        result.status = FileReadResult::kReadFailed;
        result.error = kErrorReadFault;
        return result;
    }
    result.status = FileReadResult::kOk;
    result.error = kErrorSuccess;
    return result;
}

FileWriteResult StdFileSystem::WriteFile(const std::string& path, std::string_view data,
                                         bool durable) {
    FileWriteResult result;
    bool parentMissing = false;
    fs::path host = HostPath(path, &parentMissing);
    if (parentMissing) {
        result.error = kErrorPathNotFound;
        return result;
    }
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    if (!out) {
        result.error = LastStreamError(kErrorAccessDenied);
        return result;
    }
    result.status = FileWriteResult::kWriteFailed;
    out.write(data.data(), std::streamsize(data.size()));
    out.flush();
    if (!out) {
        result.error = LastStreamError(kErrorWriteFault);
        return result;
    }
    out.close();
    if (durable) {
        if (uint32_t error = SyncFile(host)) {
            result.error = error;
            return result;
        }
    }
    result.status = FileWriteResult::kOk;
    return result;
}

uint32_t StdFileSystem::AppendFile(const std::string& path, std::string_view data) {
    bool parentMissing = false;
    fs::path host = HostPath(path, &parentMissing);
    if (parentMissing) return kErrorPathNotFound;
    std::ofstream out(host, std::ios::binary | std::ios::app);
    if (!out) return LastStreamError(kErrorAccessDenied);
    out.write(data.data(), std::streamsize(data.size()));
    out.flush();
    return out ? kErrorSuccess : LastStreamError(kErrorWriteFault);
}

uint32_t StdFileSystem::FileSize(const std::string& path, uint64_t* size) {
    std::error_code ec;
    fs::path host = HostPath(path);
    uintmax_t bytes = fs::file_size(host, ec);
    if (ec) return fs::exists(host, ec) ? kErrorAccessDenied : MissingError(path);
    *size = bytes;
    return kErrorSuccess;
}

uint32_t StdFileSystem::DeleteFile(const std::string& path) {
    std::error_code ec;
    fs::path host = HostPath(path);
    if (!fs::is_regular_file(host, ec)) {
        return fs::exists(host, ec) ? kErrorAccessDenied : MissingError(path);
    }
    if (!fs::remove(host, ec) || ec) return ToWinError(ec, kErrorAccessDenied);
    return kErrorSuccess;
}

uint32_t StdFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::path source = HostPath(from);
    if (!fs::is_regular_file(source, ec)) return MissingError(from);
    bool parentMissing = false;
    fs::path target = HostPath(to, &parentMissing);
    if (parentMissing) return kErrorPathNotFound;
    fs::rename(source, target, ec);
    return ec ? ToWinError(ec, kErrorAccessDenied) : kErrorSuccess;
}

bool StdFileSystem::FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(HostPath(path), ec);
}

}  // namespace nuv
