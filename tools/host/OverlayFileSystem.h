#pragma once
// A file system that reads another one and keeps every change in memory: a simulated run of a
// pet reads the pet's files but leaves them as they were.

#include <set>
#include <string>

#include "store/FileSystem.h"
#include "store/MemoryFileSystem.h"

namespace nuv {

class OverlayFileSystem : public IFileSystem {
  public:
    explicit OverlayFileSystem(IFileSystem& base) : base_(base) {}

    FileReadResult ReadFile(const std::string& path) override;
    FileWriteResult WriteFile(const std::string& path, std::string_view data,
                              bool durable) override;
    uint32_t AppendFile(const std::string& path, std::string_view data) override;
    uint32_t FileSize(const std::string& path, uint64_t* size) override;
    uint32_t DeleteFile(const std::string& path) override;
    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;

  private:
    // True when the base's file is hidden by a change or a deletion.
    bool Shadowed(const std::string& path) const;
    void MakeFolderFor(const std::string& path);

    IFileSystem& base_;
    MemoryFileSystem changes_;
    std::set<std::string> deleted_;  // base files deleted, by normalised path
};

}  // namespace nuv
