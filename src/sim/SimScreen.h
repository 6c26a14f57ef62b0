#pragma once
#include "ports/Desktop.h"

namespace nuv {

// The screen: its monitors, which scripted input may change, and the cursor where it was put.
class CSimScreen : public IDesktop {
  public:
    explicit CSimScreen(Monitors monitors) : monitors(std::move(monitors)) {}
    const Monitors& GetMonitors() override { return monitors; }
    Point GetCursorPos() override { return cursor; }
    void SetCursorPos(Point screen) override { cursor = screen; }

    Point cursor;
    Monitors monitors;
};

}  // namespace nuv
