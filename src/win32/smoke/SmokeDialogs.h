#pragma once
// The program's dialog templates opened modeless with sample content, for screenshots.

#include "win32/WinApi.h"

namespace nuv::smoke {

// Opens the about box, the input box and the user registration dialog beside the pet window.
// They close with the process.
void OpenSampleDialogs(HINSTANCE instance);

}  // namespace nuv::smoke
