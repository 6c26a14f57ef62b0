#pragma once
// The program's last resort against an exception nobody handled: it is logged, the user's
// cursors come back and the start-up error box is shown, instead of the process vanishing.
//
// An exception must not unwind through the system's frames between a window procedure and
// the message loop (the system may end the process there). A procedure runs its body through
// CatchForLoop, which keeps the exception; the message loop hands it on with
// RethrowKeptException, up to RunWithLastResort.

#include <exception>
#include <functional>

#include "win32/WinApi.h"

namespace nuv::win32 {

// What RunWithLastResort returns when `body` threw.
constexpr int kExitAfterException = 1;

// Keeps the first exception until RethrowKeptException.
void KeepException(std::exception_ptr exception);
// Rethrows the kept exception, if any, and forgets it.
void RethrowKeptException();

// `body`'s result; when it throws, the exception is kept and `fallback` returned.
template <class Result, class Body>
Result CatchForLoop(Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        KeepException(std::current_exception());
        return fallback;
    }
}

// A modal dialog's procedure `Proc` run through CatchForLoop: a dialog whose procedure threw
// ends at once (IDCANCEL), and the exception goes on to the message loop.
template <INT_PTR(CALLBACK* Proc)(HWND, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK GuardedModal(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    bool threw = true;
    INT_PTR result = CatchForLoop(INT_PTR(FALSE), [&] {
        INT_PTR handled = Proc(dialog, message, wParam, lParam);
        threw = false;
        return handled;
    });
    if (threw) EndDialog(dialog, IDCANCEL);
    return result;
}

// Runs `body`. An exception leaving it is logged, the system cursors registered for the exit
// are restored and the start-up error box is shown; then kExitAfterException is returned.
int RunWithLastResort(const std::function<int()>& body);

}  // namespace nuv::win32
