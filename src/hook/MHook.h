#pragma once
// MHook.dll: reports the mouse cursor to one window while installed.
//
// Between InstallHook() and UnInstallHook() the library posts kHookMessage to the window last
// given to InitHooksDll(), with wParam kHookCursorMoved and lParam MAKELPARAM(x, y) in screen
// coordinates, once for every new cursor position. Positions come from a low-level mouse hook
// and from sampling the cursor every 10 ms, so moves the hook does not see are reported too.
// All three functions must be called on the thread that owns the window and runs its message
// loop. The exports carry undecorated names on every architecture.

#include <windows.h>

#define MHOOK_MESSAGE (WM_USER + 1)
#define MHOOK_CURSOR_MOVED 4

#ifdef __cplusplus
extern "C" {
#endif

#ifdef MHOOK_BUILDING
#define MHOOK_API __declspec(dllexport)
#else
#define MHOOK_API __declspec(dllimport)
#endif

// Chooses the window that receives the messages. Returns FALSE for a handle that is not a window.
MHOOK_API BOOL WINAPI InitHooksDll(HWND window);
// Starts reporting. Returns TRUE when reporting runs (also when it was already running).
MHOOK_API BOOL WINAPI InstallHook(void);
// Stops reporting; nothing is posted after it returns. Harmless when nothing is installed.
MHOOK_API BOOL WINAPI UnInstallHook(void);

#ifdef __cplusplus
}
#endif
