#pragma once
#include <memory>

#include "ports/BalloonWindow.h"

namespace nuv {

// Makes the windows of speech balloons.
class IBalloonWindows {
  public:
    virtual ~IBalloonWindows() = default;
    virtual std::unique_ptr<IBalloonWindow> CreateBalloonWindow() = 0;
};

}  // namespace nuv
