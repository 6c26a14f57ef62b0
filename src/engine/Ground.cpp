#include "engine/Ground.h"

#include <cstdint>

namespace nuv {
namespace {

int64_t Gap(int v, int low, int high) {
    return v < low ? int64_t(low) - v : v >= high ? int64_t(v) - high + 1 : 0;
}

int64_t DistanceSquared(const Monitor& m, Point p) {
    int64_t dx = Gap(p.x, m.left, m.right), dy = Gap(p.y, m.top, m.ground);
    return dx * dx + dy * dy;
}

}  // namespace

Monitor MonitorAt(const Monitors& monitors, Point p) {
    const Monitor* best = nullptr;
    int64_t bestDistance = 0;
    for (const Monitor& m : monitors) {
        int64_t d = DistanceSquared(m, p);
        if (!best || d < bestDistance) best = &m, bestDistance = d;
    }
    return best ? *best : Monitor{};
}

bool OnAnyMonitor(const Monitors& monitors, Point p) {
    for (const Monitor& m : monitors)
        if (m.Contains(p)) return true;
    return false;
}

Monitor ThrowSpan(const Monitors& monitors, Point p) {
    Monitor span = MonitorAt(monitors, p);
    int y = p.y < span.top ? span.top : p.y >= span.ground ? span.ground - 1 : p.y;
    for (bool grown = true; grown;) {
        grown = false;
        for (const Monitor& m : monitors) {
            if (y < m.top || y >= m.ground) continue;
            if (m.left < span.left && m.right >= span.left) span.left = m.left, grown = true;
            if (m.right > span.right && m.left <= span.right) span.right = m.right, grown = true;
        }
    }
    return span;
}

}  // namespace nuv
