#pragma once
#include "ports/Desktop.h"

namespace nuv::win32 {

// The desktop's size from the system metrics, and the mouse cursor.
class Win32Desktop : public IDesktop {
  public:
    DesktopSize GetDesktopSize() override;
    Point GetCursorPos() override;
    void SetCursorPos(Point screen) override;
};

}  // namespace nuv::win32
