#pragma once
// Test fixtures: an in-memory file system and a manual clock installed for one test.

#include <string>

#include "store/Log.h"
#include "store/MemoryFileSystem.h"
#include "store/StdClock.h"

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
