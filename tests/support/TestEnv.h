#pragma once
// Test fixtures: an in-memory file system and a manual clock, with the log file on them, for
// one test.

#include <string>

#include "base/Log.h"
#include "ports/FileLog.h"
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
    FileLog fileLog_{files, clock};
    LogSinkScope logged_{&fileLog_};
};

}  // namespace nuv::test
