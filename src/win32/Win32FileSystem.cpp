#include "win32/Win32FileSystem.h"

#include <algorithm>
#include <new>

#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace nuv::win32 {
namespace {

constexpr DWORD kChunk = 1 << 20;

// Closes a file handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

HANDLE OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Windows refuses to open a read-only file for writing. Checked here as well, because a host
// may not enforce it (Wine run by root writes through the attribute).
bool IsReadOnlyFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsAbsolute(const std::wstring& path) {
    return (path.size() >= 2 && path[1] == L':') ||
           (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
}

// Writes all of `data`; returns 0 or the error.
uint32_t WriteAll(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        DWORD chunk = DWORD(std::min<std::size_t>(data.size(), kChunk));
        DWORD written = 0;
        if (!::WriteFile(file, data.data(), chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return kErrorWriteFault;
        data.remove_prefix(written);
    }
    return kErrorSuccess;
}

// Reads up to `size` bytes into `out`; stops early at the end of the file.
uint32_t ReadAll(HANDLE file, uint64_t size, std::string* out) {
    try {
        out->resize(std::size_t(size));
    } catch (const std::bad_alloc&) {
        return kErrorNotEnoughMemory;
    }
    std::size_t total = 0;
    while (total < out->size()) {
        DWORD chunk = DWORD(std::min<std::size_t>(out->size() - total, kChunk));
        DWORD got = 0;
        if (!::ReadFile(file, out->data() + total, chunk, &got, nullptr)) {
            DWORD error = GetLastError();
            out->resize(total);
            return error;
        }
        if (got == 0) break;
        total += got;
    }
    out->resize(total);
    return kErrorSuccess;
}

}  // namespace

Win32FileSystem::Win32FileSystem(std::wstring root) : root_(std::move(root)) {}

uint32_t Win32FileSystem::HostPath(const std::string& path, std::wstring* out) const {
    out->clear();
    if (path.empty() || path.find('\0') != std::string::npos) return kErrorInvalidName;
    std::wstring wide;
    if (!WidenCp949(path, &wide, true)) return kErrorInvalidName;
    if (!root_.empty() && !IsAbsolute(wide)) {
        *out = root_;
        if (out->back() != L'\\' && out->back() != L'/') out->push_back(L'\\');
    }
    out->append(wide);
    return kErrorSuccess;
}

FileReadResult Win32FileSystem::ReadFile(const std::string& path) {
    FileReadResult result;
    std::wstring host;
    if ((result.error = HostPath(path, &host)) != 0) return result;
    FileHandle file(OpenFile(host, GENERIC_READ, 0, OPEN_EXISTING));
    if (!file.valid()) {
        result.error = GetLastError();
        return result;
    }
    result.status = FileReadResult::kReadFailed;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) {
        result.error = GetLastError();
        return result;
    }
    result.size = uint64_t(size.QuadPart);
    if (result.size > kMaxReadSize) {
        result.error = kErrorNotEnoughMemory;
        return result;
    }
    if ((result.error = ReadAll(file.get(), result.size, &result.data)) != 0) return result;
    result.status = FileReadResult::kOk;
    return result;
}

FileWriteResult Win32FileSystem::WriteFile(const std::string& path, std::string_view data,
                                           bool durable) {
    FileWriteResult result;
    std::wstring host;
    if ((result.error = HostPath(path, &host)) != 0) return result;
    if (IsReadOnlyFile(host)) {
        result.error = kErrorAccessDenied;
        return result;
    }
    FileHandle file(OpenFile(host, GENERIC_WRITE, 0, CREATE_ALWAYS));
    if (!file.valid()) {
        result.error = GetLastError();
        return result;
    }
    result.status = FileWriteResult::kWriteFailed;
    if ((result.error = WriteAll(file.get(), data)) != 0) return result;
    if (durable && !FlushFileBuffers(file.get())) {
        result.error = GetLastError();
        return result;
    }
    result.status = FileWriteResult::kOk;
    return result;
}

uint32_t Win32FileSystem::AppendFile(const std::string& path, std::string_view data) {
    std::wstring host;
    if (uint32_t error = HostPath(path, &host)) return error;
    if (IsReadOnlyFile(host)) return kErrorAccessDenied;
    FileHandle file(OpenFile(host, FILE_APPEND_DATA, 0, OPEN_ALWAYS));
    if (!file.valid()) return GetLastError();
    return WriteAll(file.get(), data);
}

uint32_t Win32FileSystem::FileSize(const std::string& path, uint64_t* size) {
    std::wstring host;
    if (uint32_t error = HostPath(path, &host)) return error;
    // Reading attributes only: no content access, so it must not disturb an exclusive opener.
    FileHandle file(OpenFile(host, FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             OPEN_EXISTING));
    if (!file.valid()) return GetLastError();
    LARGE_INTEGER bytes;
    if (!GetFileSizeEx(file.get(), &bytes)) return GetLastError();
    *size = uint64_t(bytes.QuadPart);
    return kErrorSuccess;
}

uint32_t Win32FileSystem::DeleteFile(const std::string& path) {
    std::wstring host;
    if (uint32_t error = HostPath(path, &host)) return error;
    return DeleteFileW(host.c_str()) ? uint32_t(kErrorSuccess) : uint32_t(GetLastError());
}

uint32_t Win32FileSystem::ReplaceFile(const std::string& from, const std::string& to) {
    std::wstring source, target;
    if (uint32_t error = HostPath(from, &source)) return error;
    if (uint32_t error = HostPath(to, &target)) return error;
    if (IsReadOnlyFile(target)) return kErrorAccessDenied;
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return kErrorSuccess;
    }
    return GetLastError();
}

bool Win32FileSystem::FileExists(const std::string& path) {
    std::wstring host;
    if (HostPath(path, &host) != 0) return false;
    DWORD attributes = GetFileAttributesW(host.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace nuv::win32
