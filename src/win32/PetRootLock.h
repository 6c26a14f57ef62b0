#pragma once
// One program per pet root: a named mutex for the root's full path, held while the program
// runs. A second program on the same root (the same folder however its path is spelled) finds
// the mutex taken and ends before it reads or writes any file of the root.

#include <string>

#include "win32/WinApi.h"

namespace nuv::win32 {

class PetRootLock {
  public:
    PetRootLock() = default;
    ~PetRootLock();
    PetRootLock(const PetRootLock&) = delete;
    PetRootLock& operator=(const PetRootLock&) = delete;

    // Takes the root of folder `root` (relative to the working directory). False when another
    // program holds it; true when it is taken, and also when the system offers no mutex (the
    // program then runs unguarded rather than not at all).
    bool Acquire(const std::wstring& root = L".");

  private:
    HANDLE mutex_ = nullptr;
};

// The path of folder `root` as the system resolves it (mapped drives, links, short names),
// upper-cased, without a trailing separator; the full path of a folder that cannot be opened.
std::wstring CanonicalRootPath(const std::wstring& root);
// "Local\NuvPET-" and a 64-bit hash of the canonical path in hexadecimal (a mutex name holds no
// backslash after its prefix, and no more than MAX_PATH characters).
std::wstring PetRootMutexName(const std::wstring& root);

// The refusal of a second program on a running pet's root: the program's text (a built-in one
// when the resources lack it) in a message box captioned with the program's name.
void ShowAlreadyRunning(HINSTANCE instance);

}  // namespace nuv::win32
