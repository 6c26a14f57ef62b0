#pragma once
#include "ports/Desktop.h"

namespace nuv {

// The screen: a fixed desktop size and the cursor where it was put.
class CSimScreen : public IDesktop {
  public:
    explicit CSimScreen(DesktopSize size) : size_(size) {}
    DesktopSize GetDesktopSize() override { return size_; }
    Point GetCursorPos() override { return cursor; }
    void SetCursorPos(Point screen) override { cursor = screen; }

    Point cursor;

  private:
    DesktopSize size_;
};

}  // namespace nuv
