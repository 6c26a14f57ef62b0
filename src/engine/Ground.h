#pragma once
// Where the pet may stand: inside a monitor's work area, its bottom on or above the ground line.

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

// The top that keeps a window of `height` between the top of the work area and the ground: `top`
// when it fits; a window taller than that stands on the ground.
inline int KeptTop(int top, int height, const Monitor& area) {
    return std::min(std::max(top, area.top), StandingTop(height, area.ground));
}

// The position that keeps `rect` on the monitor: its own when it is there. A window wider than
// the monitor keeps to its left edge, one taller than it stands on the ground.
inline Point KeepOnMonitor(const Rect& rect, const Monitor& area) {
    return {KeptStart(rect.left, rect.Width(), area.left, area.right),
            KeptTop(rect.top, rect.Height(), area)};
}

// The point whose monitor is the pet's: its centre, raised above the ground line when the pet
// stands with its centre in the margin below it.
inline Point Anchor(const Rect& rect) {
    int y = rect.top + rect.Height() / 2, feet = rect.bottom - kGroundMargin - 1;
    return {rect.left + rect.Width() / 2, y < feet ? y : feet};
}

// The monitor under `p`, or the nearest one; an empty area when there is none.
Monitor MonitorAt(const Monitors& monitors, Point p);
// Whether `p` lies on some monitor.
bool OnAnyMonitor(const Monitors& monitors, Point p);
// The edges a thrown pet whose centre is `p` may fly between: the monitor at `p`, widened by
// the monitors beside it that reach the height of `p`.
Monitor ThrowSpan(const Monitors& monitors, Point p);

}  // namespace nuv
