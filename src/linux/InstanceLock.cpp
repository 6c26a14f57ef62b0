#include "linux/InstanceLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace nuv::gtk {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

InstanceLock::Result InstanceLock::Acquire(const std::string& hostPath) {
    int fd = open(hostPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return kNoLockFile;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? kHeldByAnother : kNoLockFile;
    }
    fd_ = fd;
    return kLocked;
}

}  // namespace nuv::gtk
