#pragma once
// The program's shell: the pet window (dialog template 102, modeless with a message loop of
// its own) and every port of the core, implemented with Win32.

#include <memory>

#include "app/PetMainDlg.h"
#include "win32/KoreanFonts.h"
#include "win32/ShellContext.h"
#include "win32/Win32BalloonWindow.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Cursors.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32Dialogs.h"
#include "win32/Win32Hook.h"
#include "win32/Win32LoadingWindow.h"
#include "win32/Win32ObjectWindow.h"
#include "win32/Win32PetWindow.h"
#include "win32/Win32PopupMenu.h"
#include "win32/Win32Services.h"
#include "win32/Win32Settings.h"
#include "win32/Win32TextMetrics.h"
#include "win32/Win32Tray.h"

namespace nuv::win32 {

class CPetShell {
  public:
    CPetShell(HINSTANCE instance, IFileSystem& files);
    ~CPetShell();
    CPetShell(const CPetShell&) = delete;
    CPetShell& operator=(const CPetShell&) = delete;

    // Creates the pet window, runs the messages until the dialog ends and takes the pet down.
    // Returns 0 after a run, 1 when the pet could not start, 2 when the window was refused.
    int Run();

  private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND dialog);
    // The monitors, their DPI or the work area changed: read them again, bring the pet back.
    void OnDisplayChange();
    void Paint();
    // The pet window's look at a message before it is dispatched; true when it is used up.
    bool PreTranslate(MSG& message);
    void RunMessages();
    void TakeDown();
    PetPorts Ports();

    ShellContext context_;
    KoreanFonts fonts_;
    Win32PetWindow window_;
    Win32Desktop desktop_;
    Win32Services services_;
    Win32Settings settings_;
    Win32Clock clock_;
    Win32Cursors cursors_;
    Win32Hook hook_;
    Win32Dialogs dialogs_;
    Win32PopupMenu menu_;
    Win32Tray tray_;
    Win32LoadingWindow loading_;
    Win32BalloonWindows balloons_;
    Win32TextMetrics text_;
    Win32ObjectWindows objects_;
    std::unique_ptr<CPetMainDlg> dialog_;
    bool initialised_ = false;
    bool started_ = false;
};

}  // namespace nuv::win32
