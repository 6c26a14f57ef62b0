#include "host/PosixFileSystem.h"

#include <fcntl.h>
#include <unistd.h>

namespace nuv {
namespace {

uint32_t SyncPath(const std::filesystem::path& path, int flags) {
    int fd = ::open(path.c_str(), flags);
    if (fd < 0) return kErrorAccessDenied;
    int rc = ::fsync(fd);
    ::close(fd);
    return rc == 0 ? kErrorSuccess : kErrorWriteFault;
}

void SyncFolder(const std::filesystem::path& folder) {
    SyncPath(folder, O_RDONLY | O_DIRECTORY);  // the data is in place; a failed sync is no error
}

}  // namespace

PosixFileSystem::~PosixFileSystem() {
    SyncFolders();
}

uint32_t PosixFileSystem::SyncFile(const std::filesystem::path& hostPath) {
    return SyncPath(hostPath, O_WRONLY);
}

uint32_t PosixFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
    if (uint32_t error = StdFileSystem::ReplaceFile(from, to)) return error;
    std::filesystem::path folder = HostPath(to).parent_path();
    if (folder.empty()) folder = ".";
    if (!scheduleSync_) {
        SyncFolder(folder);
        return kErrorSuccess;
    }
    const bool first = pendingFolders_.empty();
    pendingFolders_.insert(folder);
    if (first) scheduleSync_();
    return kErrorSuccess;
}

void PosixFileSystem::DeferFolderSyncs(std::function<void()> schedule) {
    SyncFolders();
    scheduleSync_ = std::move(schedule);
}

void PosixFileSystem::SyncFolders() {
    for (const auto& folder : pendingFolders_)
        SyncFolder(folder);
    pendingFolders_.clear();
}

}  // namespace nuv
