#pragma once
#include <string>

#include "win32/WinApi.h"

namespace nuv {
class IFileSystem;
}

namespace nuv::win32 {

// Shows the BCF picture at `path` of `files` (template 171) centred on the screen, its client area
// the picture's size, and closes after `seconds` (never when 0: Enter or Escape close it then). A
// picture that cannot be read leaves the window at its template size, empty. Returns the dialog's
// result: 1 when the time ran out.
INT_PTR RunTimedPictureDialog(HINSTANCE instance, HWND owner, IFileSystem& files,
                              const std::string& path, unsigned seconds);

}  // namespace nuv::win32
