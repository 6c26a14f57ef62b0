#pragma once
// The file layer. Paths are in the program's own form, relative to the working directory and
// with backslashes (".\DATA\PET.CFG"); each implementation maps them to its host. Failures
// carry the Windows error code, so that "Error = %d" reads the same on every platform.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Paths.h"

namespace nuv {

enum WinError : uint32_t {
    kErrorSuccess = 0,
    kErrorFileNotFound = 2,
    kErrorPathNotFound = 3,
    kErrorAccessDenied = 5,
    kErrorNotEnoughMemory = 8,
    kErrorWriteFault = 29,
    kErrorReadFault = 30,
    kErrorSharingViolation = 32,
    kErrorHandleEof = 38,
    kErrorInvalidParameter = 87,
    kErrorDiskFull = 112,
    kErrorInvalidName = 123,
    kErrorAlreadyExists = 183,
};

struct FileReadResult {
    enum Status { kOk, kOpenFailed, kReadFailed };
    Status status = kOpenFailed;
    uint32_t error = kErrorFileNotFound;
    uint64_t size = 0;  // the size when the file was opened
    std::string data;   // what was read (may differ in length from size)
};

struct FileWriteResult {
    enum Status { kOk, kCreateFailed, kWriteFailed };
    Status status = kCreateFailed;
    uint32_t error = kErrorSuccess;
    bool ok() const { return status == kOk; }
};

class IFileSystem {
  public:
    virtual ~IFileSystem() = default;
    // Opens an existing file without sharing and reads it whole.
    virtual FileReadResult ReadFile(const std::string& path) = 0;
    // Creates or replaces the file and writes `data`; with `durable`, the data reaches the
    // disk before the call returns. A failed write may leave a partial file behind.
    virtual FileWriteResult WriteFile(const std::string& path, std::string_view data,
                                      bool durable) = 0;
    // Opens the file, creating it when missing, and appends `data`. Returns the error or 0.
    virtual uint32_t AppendFile(const std::string& path, std::string_view data) = 0;
    // Size of an existing file. Returns the error or 0.
    virtual uint32_t FileSize(const std::string& path, uint64_t* size) = 0;
    virtual uint32_t DeleteFile(const std::string& path) = 0;
    // Renames `from` to `to`, replacing `to` in one step when it exists.
    virtual uint32_t ReplaceFile(const std::string& from, const std::string& to) = 0;
    virtual bool FileExists(const std::string& path) = 0;
};

// The file system every part of the program uses. Never null: a file system of the standard
// library, on the working directory, serves until one is installed. A path of the program's
// own form that names a device (NamesDevice) is refused with kErrorInvalidName, whichever
// file system is installed.
IFileSystem& Files();
// Installs `files` (not owned); null puts the standard one back. Returns the previous one.
IFileSystem* SetFiles(IFileSystem* files);

}  // namespace nuv
