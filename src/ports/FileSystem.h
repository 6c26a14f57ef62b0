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

// `files` behind a refusal of every path of the program's own form that names a device
// (NamesDevice), with kErrorInvalidName: opening "COM1" or "NUL" would reach the device, and a
// save to it would silently go nowhere. The file system a program hands to the pet.
class DeviceNameGuard : public IFileSystem {
  public:
    explicit DeviceNameGuard(IFileSystem& files) : files_(files) {}
    FileReadResult ReadFile(const std::string& path) override;
    FileWriteResult WriteFile(const std::string& path, std::string_view data,
                              bool durable) override;
    uint32_t AppendFile(const std::string& path, std::string_view data) override;
    uint32_t FileSize(const std::string& path, uint64_t* size) override;
    uint32_t DeleteFile(const std::string& path) override;
    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;

  private:
    IFileSystem& files_;
};

}  // namespace nuv
