#pragma once
#include <string>

#include "ports/FileSystem.h"

namespace nuv::win32 {

// Files through the Windows API. Program paths (code page 949 bytes, relative to the working
// directory) become UTF-16 paths, so Hangul names work on every locale. Files are opened without
// sharing, as the program expects; errors are the system's own codes.
class Win32FileSystem : public IFileSystem {
  public:
    // Relative paths are taken below `root` when it is given, else below the working directory.
    explicit Win32FileSystem(std::wstring root = std::wstring());

    FileReadResult ReadFile(const std::string& path) override;
    FileWriteResult WriteFile(const std::string& path, std::string_view data,
                              bool durable) override;
    uint32_t AppendFile(const std::string& path, std::string_view data) override;
    uint32_t FileSize(const std::string& path, uint64_t* size) override;
    uint32_t DeleteFile(const std::string& path) override;
    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;

    // The UTF-16 host path of a program path. Returns kErrorInvalidName for bytes that are
    // not code page 949 (or a zero byte), else 0.
    uint32_t HostPath(const std::string& path, std::wstring* out) const;

    // Files larger than this are refused by ReadFile (kErrorNotEnoughMemory).
    static constexpr uint64_t kMaxReadSize = uint64_t(1) << 30;

  private:
    std::wstring root_;
};

}  // namespace nuv::win32
