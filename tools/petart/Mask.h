#pragma once
// A set of pixels, filled by the shapes of the vector drawings without anti-aliasing.
// A pixel belongs to a shape when its centre (x + 0.5, y + 0.5) lies inside the shape.

#include <cstdint>
#include <vector>

#include "petart/Geometry.h"

namespace nuv::art {

class CMask {
  public:
    CMask() = default;
    CMask(int width, int height) : width_(width), height_(height), bits_(size_t(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool Get(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[size_t(y) * width_ + x];
    }
    void Set(int x, int y, bool on = true) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[size_t(y) * width_ + x] = on;
    }
    bool IsEmpty() const;
    int Count() const;

    // The ellipse that `unitCircle` makes of the circle of radius 1 around the origin.
    void FillEllipse(const Affine& unitCircle);
    void FillEllipse(Vec centre, double rx, double ry, double degrees = 0);
    void FillPolygon(const std::vector<Vec>& points);
    // A round-ended stroke from a to b whose radius changes from ra to rb.
    void FillCapsule(Vec a, Vec b, double ra, double rb);
    // A round stroke along a cubic Bezier curve, radius r0 at its start and r1 at its end.
    void StrokeBezier(Vec p0, Vec p1, Vec p2, Vec p3, double r0, double r1);
    // Lines one pixel wide, 8-connected.
    void DrawThinLine(Vec a, Vec b);
    void DrawThinBezier(Vec p0, Vec p1, Vec p2, Vec p3);

    // Every pixel that is in the mask or touches it (4 neighbours, or 8 with `diagonal`).
    CMask Dilated(bool diagonal = false) const;
    CMask& Unite(const CMask& other);
    CMask& Subtract(const CMask& other);
    CMask& Intersect(const CMask& other);
    // Mirror image around the vertical centre line.
    CMask Mirrored() const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> bits_;
};

// The points of a cubic Bezier curve at `steps` + 1 even parameter steps.
std::vector<Vec> FlattenBezier(Vec p0, Vec p1, Vec p2, Vec p3, int steps);

}  // namespace nuv::art
