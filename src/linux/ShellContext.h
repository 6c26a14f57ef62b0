#pragma once
// What the shell's ports share: the pet root's files, the pet window once it exists and the
// core's main dialog, which receives what the windows report.

#include <gtk/gtk.h>

namespace nuv {
class CPetMainDlg;
class IFileSystem;
class StdFileSystem;
}  // namespace nuv

namespace nuv::gtk {

struct ShellContext {
    StdFileSystem* host = nullptr;  // the root on the host
    IFileSystem* files = nullptr;   // the same as the program reads it
    GtkWidget* petWindow = nullptr;
    CPetMainDlg* dialog = nullptr;
    // The cursor every window of the program shows by default (the game cursor while one is
    // applied, else none: the system's).
    GdkCursor* windowCursor = nullptr;
};

}  // namespace nuv::gtk
