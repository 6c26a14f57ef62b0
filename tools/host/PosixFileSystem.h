#pragma once
#include "ports/StdFileSystem.h"

namespace nuv {

// The standard file system with durable writes on POSIX hosts: written files are synced, and
// after a replacement the folder too, so that the new name survives a power cut.
class PosixFileSystem : public StdFileSystem {
  public:
    using StdFileSystem::StdFileSystem;

    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;

  protected:
    uint32_t SyncFile(const std::filesystem::path& hostPath) override;
};

}  // namespace nuv
