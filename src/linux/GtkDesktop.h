#pragma once
#include "ports/Desktop.h"

namespace nuv::gtk {

// The primary monitor's work area, and the pointer.
class GtkDesktop : public IDesktop {
  public:
    DesktopSize GetDesktopSize() override;
    Point GetCursorPos() override;
    void SetCursorPos(Point screen) override;
};

}  // namespace nuv::gtk
