#pragma once
#include <functional>
#include <set>

#include "ports/StdFileSystem.h"

namespace nuv {

// The standard file system with durable writes on POSIX hosts: written files are synced, and
// after a replacement the folder too, so that the new name survives a power cut.
class PosixFileSystem : public StdFileSystem {
  public:
    using StdFileSystem::StdFileSystem;
    ~PosixFileSystem() override;

    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;

    // From now on the folder of a replacement is synced by SyncFolders, which `schedule` is
    // to have called once the current work is done (files saved together share one folder
    // sync); it is called at the first replacement after a sync. Without it, at once.
    void DeferFolderSyncs(std::function<void()> schedule);
    void SyncFolders();
    bool FolderSyncsPending() const { return !pendingFolders_.empty(); }

  protected:
    uint32_t SyncFile(const std::filesystem::path& hostPath) override;

  private:
    std::function<void()> scheduleSync_;
    std::set<std::filesystem::path> pendingFolders_;
};

}  // namespace nuv
