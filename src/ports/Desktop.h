#pragma once
#include "base/Geometry.h"

namespace nuv {

// Desktop width W and ground line G (the pet stands on the ground when its bottom is G + 30).
struct DesktopSize {
    int width = 0;
    int ground = 0;
};

class IDesktop {
  public:
    virtual ~IDesktop() = default;
    // W = full-screen client width; G = full-screen client height plus a caption's height.
    virtual DesktopSize GetDesktopSize() = 0;
    virtual Point GetCursorPos() = 0;
    virtual void SetCursorPos(Point screen) = 0;
};

}  // namespace nuv
