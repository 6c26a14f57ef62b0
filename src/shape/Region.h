#pragma once
// A set of pixels kept as y-banded rectangles: rows of equal spans share one band, bands run
// top to bottom, rectangles inside a band left to right without touching, and neighbouring
// bands with equal spans are merged. The form is unique, so equal sets have equal rectangles.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/Image.h"

namespace nuv {

// A horizontal run of pixels [left, right) inside one row or band.
struct Span {
    int left = 0, right = 0;
    bool operator==(const Span& o) const { return left == o.left && right == o.right; }
};

class Region {
  public:
    Region() = default;
    explicit Region(const Rect& rect);

    bool IsEmpty() const { return rects_.empty(); }
    // The smallest rectangle holding every pixel; empty (all zero) for an empty region.
    Rect Bounds() const;
    bool Contains(int x, int y) const;
    // The number of pixels.
    int64_t Area() const;
    void Offset(int dx, int dy);
    // The same set with each pixel made n x n pixels (n >= 1): every rectangle times n.
    Region Zoomed(int n) const;
    // The rectangles in banded order, ready for a system call that takes a rectangle list.
    const std::vector<Rect>& Rects() const { return rects_; }

    Region& operator^=(const Region& other);
    Region& operator&=(const Region& other);
    Region& operator|=(const Region& other);
    Region& operator-=(const Region& other);
    Region& operator^=(const Rect& rect) { return *this ^= Region(rect); }
    Region& operator&=(const Rect& rect) { return *this &= Region(rect); }
    Region& operator|=(const Rect& rect) { return *this |= Region(rect); }
    Region& operator-=(const Rect& rect) { return *this -= Region(rect); }

    bool operator==(const Region& o) const { return rects_ == o.rects_; }
    bool operator!=(const Region& o) const { return !(*this == o); }

  private:
    friend class RegionWriter;
    // `inside` tells from a pixel's membership of a and b whether it is in the result.
    using Rule = bool (*)(bool inA, bool inB);
    static Region Combine(const Region& a, const Region& b, Rule inside);

    std::vector<Rect> rects_;
};

inline Region operator^(Region a, const Region& b) {
    return a ^= b;
}
inline Region operator&(Region a, const Region& b) {
    return a &= b;
}
inline Region operator|(Region a, const Region& b) {
    return a |= b;
}
inline Region operator-(Region a, const Region& b) {
    return a -= b;
}

// Writes a region band by band, top to bottom, merging a band into the one above it when
// they touch and hold the same spans.
class RegionWriter {
  public:
    // Rows [top, bottom) hold `spans`: sorted, disjoint and not touching. Bands must not
    // overlap the ones written before; a band without spans is skipped.
    void AddBand(int top, int bottom, const Span* spans, std::size_t count);
    void AddBand(int top, int bottom, const std::vector<Span>& spans) {
        AddBand(top, bottom, spans.data(), spans.size());
    }
    Region Finish();

  private:
    bool SameAsLastBand(int top, const Span* spans, std::size_t count) const;

    std::vector<Rect> rects_;
    std::size_t lastBand_ = 0;  // index of the first rectangle of the last band
};

}  // namespace nuv
