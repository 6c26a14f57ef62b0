#pragma once
#include "base/Geometry.h"

namespace nuv {

struct MenuModel;

class IPopupMenu {
  public:
    virtual ~IPopupMenu() = default;
    // Tracks the menu with its left edge at x and its bottom edge at y (screen); the chosen
    // command comes back later to the pet window as a command message.
    virtual void Track(const MenuModel& menu, Point screen) = 0;
    // The system's menu colour (gauges and menu icons are filled with it).
    virtual Pixel MenuColor() = 0;
};

}  // namespace nuv
