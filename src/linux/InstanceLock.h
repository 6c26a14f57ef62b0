#pragma once
// One program per pet root: an exclusive lock on a file of the root, held while the program
// runs and let go by the system however the program ends.

#include <string>

namespace nuv::gtk {

class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum Result { kLocked, kHeldByAnother, kNoLockFile };
    // Locks `hostPath` (created when missing, never written).
    Result Acquire(const std::string& hostPath);

  private:
    int fd_ = -1;
};

}  // namespace nuv::gtk
