#pragma once
// What the shell's ports share: the program's module and the pet window once it exists.

#include "win32/WinApi.h"

namespace nuv::win32 {

struct ShellContext {
    HINSTANCE instance = nullptr;
    HWND petWindow = nullptr;
};

}  // namespace nuv::win32
