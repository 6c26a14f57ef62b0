#pragma once
// The in-memory file system every fuzz input is read through, with the log file on it.

#include "base/Log.h"
#include "ports/FileLog.h"
#include "ports/StdClock.h"
#include "sim/MemoryFileSystem.h"

namespace nuv::fuzz {

// Made once; the log is dropped before each input so that it stays small.
inline MemoryFileSystem& InputFiles() {
    static MemoryFileSystem* files = [] {
        auto* f = new MemoryFileSystem;
        static StdClock clock;
        static FileLog log(*f, clock);
        SetLogSink(&log);
        return f;
    }();
    files->DeleteFile(kLogPath);
    return *files;
}

}  // namespace nuv::fuzz
