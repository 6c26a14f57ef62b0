#include "win32/Win32Desktop.h"

#include "win32/WinApi.h"

namespace nuv::win32 {

// The usable desktop: its right edge and its bottom, the top of the task bar. On Windows these
// are the full-screen client width and height plus a caption's height; Wine's metrics for a
// full-screen window put that line below the screen, so the work area is asked directly.
Monitors Win32Desktop::GetMonitors() {
    RECT area = {};
    Monitor size;
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) && area.right > 0 && area.bottom > 0) {
        size.right = area.right;
        size.ground = area.bottom;
    } else {
        size.right = GetSystemMetrics(SM_CXFULLSCREEN);
        size.ground = GetSystemMetrics(SM_CYFULLSCREEN) + GetSystemMetrics(SM_CYCAPTION);
    }
    return {size};
}

Point Win32Desktop::GetCursorPos() {
    POINT p = {};
    ::GetCursorPos(&p);
    return {int(p.x), int(p.y)};
}

void Win32Desktop::SetCursorPos(Point screen) {
    ::SetCursorPos(screen.x, screen.y);
}

}  // namespace nuv::win32
