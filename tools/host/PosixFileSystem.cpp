#include "host/PosixFileSystem.h"

#include <fcntl.h>
#include <unistd.h>

namespace nuv {

uint32_t PosixFileSystem::SyncFile(const std::filesystem::path& hostPath) {
    int fd = ::open(hostPath.c_str(), O_WRONLY);
    if (fd < 0) return kErrorAccessDenied;
    int rc = ::fsync(fd);
    ::close(fd);
    return rc == 0 ? kErrorSuccess : kErrorWriteFault;
}

}  // namespace nuv
