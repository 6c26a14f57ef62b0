#pragma once
// Rectangles, points and sizes in pixels.

#include <algorithm>

namespace nuv {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Overlaps(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    Rect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect Bounds(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size& o) const { return width == o.width && height == o.height; }
};

// The start that keeps a span of `length` from `start` between `min` and `max`: `start` when it
// fits there, `min` when the span is longer than the room.
inline int KeptStart(int start, int length, int min, int max) {
    return std::max(std::min(start, max - length), min);
}

// `at` moved so that a box of `size` there lies inside `area` (its left and top edges first when
// it is larger).
inline Point KeptInside(Point at, Size size, const Rect& area) {
    return {KeptStart(at.x, size.width, area.left, area.right),
            KeptStart(at.y, size.height, area.top, area.bottom)};
}

}  // namespace nuv
