#pragma once
// What the shell's ports share: the program's module, the pet root's files, the pet window
// once it exists and the program's fonts.

#include "win32/WinApi.h"

namespace nuv {
class IFileSystem;
}

namespace nuv::win32 {

class KoreanFonts;

struct ShellContext {
    HINSTANCE instance = nullptr;
    IFileSystem* files = nullptr;  // the pet root, as the program reads it
    HWND petWindow = nullptr;
    KoreanFonts* fonts = nullptr;  // none: dialogs keep their template's font

    // The font of the dialogs' controls, or null without fonts.
    HFONT DialogFont() const;
};

}  // namespace nuv::win32
