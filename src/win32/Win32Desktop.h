#pragma once
#include "ports/Desktop.h"

namespace nuv::win32 {

// The desktop's work area from the system metrics as the one monitor, and the mouse cursor.
class Win32Desktop : public IDesktop {
  public:
    Monitors GetMonitors() override;
    Point GetCursorPos() override;
    void SetCursorPos(Point screen) override;
};

}  // namespace nuv::win32
