#pragma once
// The in-memory file system every fuzz input is read through.

#include "base/Log.h"
#include "sim/MemoryFileSystem.h"

namespace nuv::fuzz {

// Installed once; the log is dropped before each input so that it stays small.
inline MemoryFileSystem& Files() {
    static MemoryFileSystem* files = [] {
        auto* f = new MemoryFileSystem;
        SetFiles(f);
        return f;
    }();
    files->DeleteFile(kLogPath);
    return *files;
}

}  // namespace nuv::fuzz
