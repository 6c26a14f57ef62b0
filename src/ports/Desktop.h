#pragma once
#include <vector>

#include "base/Geometry.h"

namespace nuv {

// A monitor's work area in screen coordinates (negative left of or above the primary one):
// its left, top and right edges and its ground line G, the bottom of the work area (the pet
// stands on the ground when its bottom is G + 30); its scale is 1.0 at 96 DPI.
struct Monitor {
    int left = 0;
    int top = 0;
    int right = 0;
    int ground = 0;
    double scale = 1.0;
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < ground;
    }
    bool operator==(const Monitor& o) const {
        return left == o.left && top == o.top && right == o.right && ground == o.ground &&
               scale == o.scale;
    }
};
using Monitors = std::vector<Monitor>;

class IDesktop {
  public:
    virtual ~IDesktop() = default;
    // The monitors' work areas, the primary one first; none when the system tells none. The
    // list is the desktop's own: it holds until the next call.
    virtual const Monitors& GetMonitors() = 0;
    virtual Point GetCursorPos() = 0;
    virtual void SetCursorPos(Point screen) = 0;
};

}  // namespace nuv
