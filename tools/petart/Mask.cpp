#include "petart/Mask.h"

#include <algorithm>
#include <cmath>

namespace nuv::art {
namespace {

struct Box {
    int x0, y0, x1, y1;  // inclusive pixel bounds
};

Box Clip(double minX, double minY, double maxX, double maxY, int width, int height) {
    Box b{int(std::floor(minX)) - 1, int(std::floor(minY)) - 1, int(std::ceil(maxX)) + 1,
          int(std::ceil(maxY)) + 1};
    b.x0 = std::max(b.x0, 0);
    b.y0 = std::max(b.y0, 0);
    b.x1 = std::min(b.x1, width - 1);
    b.y1 = std::min(b.y1, height - 1);
    return b;
}

}  // namespace

bool CMask::IsEmpty() const {
    return std::none_of(bits_.begin(), bits_.end(), [](uint8_t b) { return b != 0; });
}

int CMask::Count() const {
    return int(std::count(bits_.begin(), bits_.end(), uint8_t(1)));
}

void CMask::FillEllipse(const Affine& unitCircle) {
    Vec corners[4] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (Vec c : corners) {
        Vec p = unitCircle.Apply(c);
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    Affine toUnit = unitCircle.Inverse();
    Box b = Clip(minX, minY, maxX, maxY, width_, height_);
    for (int y = b.y0; y <= b.y1; ++y) {
        for (int x = b.x0; x <= b.x1; ++x) {
            Vec q = toUnit.Apply({x + 0.5, y + 0.5});
            if (q.x * q.x + q.y * q.y <= 1.0) Set(x, y);
        }
    }
}

void CMask::FillEllipse(Vec centre, double rx, double ry, double degrees) {
    FillEllipse(
        Affine::Scaling(rx, ry).Then(Affine::Rotation(degrees)).Then(Affine::Translation(centre)));
}

void CMask::FillPolygon(const std::vector<Vec>& points) {
    if (points.size() < 3) return;
    double minY = 1e9, maxY = -1e9;
    for (Vec p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    int y0 = std::max(0, int(std::floor(minY)));
    int y1 = std::min(height_ - 1, int(std::ceil(maxY)));
    std::vector<double> crossings;
    for (int y = y0; y <= y1; ++y) {
        double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            Vec a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y)) {
                crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int xa = std::max(0, int(std::ceil(crossings[i] - 0.5)));
            int xb = std::min(width_ - 1, int(std::ceil(crossings[i + 1] - 0.5)) - 1);
            for (int x = xa; x <= xb; ++x)
                Set(x, y);
        }
    }
}

void CMask::FillCapsule(Vec a, Vec b, double ra, double rb) {
    double r = std::max(ra, rb);
    Box box = Clip(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
                   std::max(a.y, b.y) + r, width_, height_);
    Vec ab = b - a;
    double len2 = ab.x * ab.x + ab.y * ab.y;
    for (int y = box.y0; y <= box.y1; ++y) {
        for (int x = box.x0; x <= box.x1; ++x) {
            Vec p{x + 0.5, y + 0.5};
            double t = 0;
            if (len2 > 0)
                t = std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2, 0.0, 1.0);
            Vec q = a + ab * t;
            double radius = ra + (rb - ra) * t;
            if (Length(p - q) <= radius) Set(x, y);
        }
    }
}

std::vector<Vec> FlattenBezier(Vec p0, Vec p1, Vec p2, Vec p3, int steps) {
    std::vector<Vec> points;
    for (int i = 0; i <= steps; ++i)
        points.push_back(BezierPoint(p0, p1, p2, p3, double(i) / steps));
    return points;
}

void CMask::StrokeBezier(Vec p0, Vec p1, Vec p2, Vec p3, double r0, double r1) {
    const int steps = 24;
    std::vector<Vec> points = FlattenBezier(p0, p1, p2, p3, steps);
    for (int i = 0; i < steps; ++i) {
        double ra = r0 + (r1 - r0) * i / steps, rb = r0 + (r1 - r0) * (i + 1) / steps;
        FillCapsule(points[i], points[i + 1], ra, rb);
    }
}

void CMask::DrawThinLine(Vec a, Vec b) {
    int x0 = int(std::floor(a.x)), y0 = int(std::floor(a.y));
    int x1 = int(std::floor(b.x)), y1 = int(std::floor(b.y));
    int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    if (steps == 0) {
        Set(x0, y0);
        return;
    }
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        Set(int(std::lround(x0 + (x1 - x0) * t)), int(std::lround(y0 + (y1 - y0) * t)));
    }
}

void CMask::DrawThinBezier(Vec p0, Vec p1, Vec p2, Vec p3) {
    std::vector<Vec> points = FlattenBezier(p0, p1, p2, p3, 16);
    for (size_t i = 0; i + 1 < points.size(); ++i)
        DrawThinLine(points[i], points[i + 1]);
}

CMask CMask::Dilated(bool diagonal) const {
    CMask out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            bool on = Get(x, y) || Get(x - 1, y) || Get(x + 1, y) || Get(x, y - 1) || Get(x, y + 1);
            if (!on && diagonal) {
                on = Get(x - 1, y - 1) || Get(x + 1, y - 1) || Get(x - 1, y + 1) ||
                     Get(x + 1, y + 1);
            }
            if (on) out.Set(x, y);
        }
    }
    return out;
}

CMask& CMask::Unite(const CMask& other) {
    for (size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i)
        bits_[i] |= other.bits_[i];
    return *this;
}

CMask& CMask::Subtract(const CMask& other) {
    for (size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i) {
        if (other.bits_[i]) bits_[i] = 0;
    }
    return *this;
}

CMask& CMask::Intersect(const CMask& other) {
    for (size_t i = 0; i < bits_.size(); ++i) {
        if (i >= other.bits_.size() || !other.bits_[i]) bits_[i] = 0;
    }
    return *this;
}

CMask CMask::Mirrored() const {
    CMask out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            out.Set(width_ - 1 - x, y, Get(x, y));
    }
    return out;
}

}  // namespace nuv::art
