#include "support/TestEnv.h"

namespace nuv::test {

MemoryEnv::MemoryEnv() {
    previousFiles_ = SetFiles(&files);
    previousClock_ = SetClock(&clock);
    clock.SetStart({2002, 11, 30, 9, 3, 7});
}

MemoryEnv::~MemoryEnv() {
    SetFiles(previousFiles_);
    SetClock(previousClock_);
}

}  // namespace nuv::test
