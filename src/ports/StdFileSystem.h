#pragma once
#include <filesystem>

#include "ports/FileSystem.h"

namespace nuv {

// Files through the standard library, below a root folder. Names are matched without regard
// to letter case, as on Windows, and '\' separates folders.
class StdFileSystem : public IFileSystem {
  public:
    explicit StdFileSystem(std::filesystem::path root = ".");

    FileReadResult ReadFile(const std::string& path) override;
    FileWriteResult WriteFile(const std::string& path, std::string_view data,
                              bool durable) override;
    uint32_t AppendFile(const std::string& path, std::string_view data) override;
    uint32_t FileSize(const std::string& path, uint64_t* size) override;
    uint32_t DeleteFile(const std::string& path) override;
    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;

    // The host path of a program path: existing names in their stored letter case, the rest
    // as given. Sets *parentMissing when a folder on the way does not exist. A path that
    // starts with a separator starts at the host's root instead of `root`.
    std::filesystem::path HostPath(const std::string& path, bool* parentMissing = nullptr) const;
    const std::filesystem::path& root() const { return root_; }

  protected:
    // Makes written data durable; the portable version can only flush the stream.
    virtual uint32_t SyncFile(const std::filesystem::path& hostPath) { return 0; }
    uint32_t MissingError(const std::string& path) const;

  private:
    std::filesystem::path root_;
};

}  // namespace nuv
