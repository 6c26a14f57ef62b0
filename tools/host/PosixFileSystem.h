#pragma once
#include "store/StdFileSystem.h"

namespace nuv {

// The standard file system with durable writes (fsync) on POSIX hosts.
class PosixFileSystem : public StdFileSystem {
  public:
    using StdFileSystem::StdFileSystem;

  protected:
    uint32_t SyncFile(const std::filesystem::path& hostPath) override;
};

}  // namespace nuv
