#include "support/TestEnv.h"

namespace nuv::test {

MemoryEnv::MemoryEnv() {
    clock.SetStart({2002, 11, 30, 9, 3, 7});
}

MemoryEnv::~MemoryEnv() = default;

}  // namespace nuv::test
