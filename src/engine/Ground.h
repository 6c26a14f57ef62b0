#pragma once
// Where the pet may stand: inside the desktop, its bottom on or above the ground line.

#include "base/Geometry.h"
#include "ports/Desktop.h"

namespace nuv {

constexpr int kGroundMargin = 30;  // the pet's bottom may stand this far below the ground line

// The top at which a window of `height` stands on the ground.
inline int StandingTop(int height, int ground) {
    return ground - height + kGroundMargin;
}

// How far a window whose bottom is at `bottom` falls to stand on the ground (negative: rises).
inline int DropToGround(int bottom, int ground) {
    return ground - bottom + kGroundMargin;
}

// The left edge that keeps [left, right) on a desktop `width` wide: `left` when it fits.
inline int KeptLeft(int left, int right, int width) {
    return left < 0 ? 0 : right > width ? width - (right - left) : left;
}

// The top that keeps [top, bottom) between the top of the desktop and the ground.
inline int KeptTop(int top, int bottom, int ground) {
    return top < 0 ? 0 : bottom - kGroundMargin > ground ? StandingTop(bottom - top, ground) : top;
}

// The position that keeps `rect` on the desktop: its own when it is there.
inline Point KeepOnDesktop(const Rect& rect, const DesktopSize& desktop) {
    return {KeptLeft(rect.left, rect.right, desktop.width),
            KeptTop(rect.top, rect.bottom, desktop.ground)};
}

}  // namespace nuv
