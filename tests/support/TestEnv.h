#pragma once
// Test fixtures: an in-memory file system and a manual clock installed for one test.

#include <string>

#include "base/Log.h"
#include "ports/StdClock.h"
#include "sim/ManualClock.h"
#include "sim/MemoryFileSystem.h"

namespace nuv::test {

class MemoryEnv {
  public:
    MemoryEnv();
    ~MemoryEnv();
    MemoryEnv(const MemoryEnv&) = delete;
    MemoryEnv& operator=(const MemoryEnv&) = delete;

    MemoryFileSystem files;
    ManualClock clock;
    LogCapture log;

  private:
    IFileSystem* previousFiles_;
    IClock* previousClock_;
};

}  // namespace nuv::test
