#pragma once
// Points and affine transforms of the vector drawings, in pixel space (y grows downwards).

#include <cmath>

namespace nuv::art {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
    double x = 0, y = 0;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, double k) {
    return {a.x * k, a.y * k};
}
inline Vec Lerp(Vec a, Vec b, double t) {
    return a + (b - a) * t;
}
inline double Length(Vec a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}
inline double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

// Rotates a around the origin, clockwise on screen for positive degrees.
inline Vec Rotated(Vec a, double degrees) {
    double c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

// x' = a*x + b*y + tx, y' = c*x + d*y + ty.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    Vec Apply(Vec p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
    Vec ApplyVector(Vec p) const { return {a * p.x + b * p.y, c * p.x + d * p.y}; }
    double Determinant() const { return a * d - b * c; }
    // The mean factor by which lengths grow (for radii of round strokes).
    double Scale() const { return std::sqrt(std::fabs(Determinant())); }

    Affine Inverse() const {
        double det = Determinant();
        if (det == 0) return Affine{};
        Affine r;
        r.a = d / det;
        r.b = -b / det;
        r.c = -c / det;
        r.d = a / det;
        r.tx = -(r.a * tx + r.b * ty);
        r.ty = -(r.c * tx + r.d * ty);
        return r;
    }

    // This transform applied after `inner`.
    Affine Then(const Affine& outer) const { return Compose(outer, *this); }

    static Affine Compose(const Affine& outer, const Affine& inner) {
        Affine r;
        r.a = outer.a * inner.a + outer.b * inner.c;
        r.b = outer.a * inner.b + outer.b * inner.d;
        r.c = outer.c * inner.a + outer.d * inner.c;
        r.d = outer.c * inner.b + outer.d * inner.d;
        r.tx = outer.a * inner.tx + outer.b * inner.ty + outer.tx;
        r.ty = outer.c * inner.tx + outer.d * inner.ty + outer.ty;
        return r;
    }
    static Affine Translation(Vec t) { return {1, 0, 0, 1, t.x, t.y}; }
    static Affine Scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine Rotation(double degrees) {
        double c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
        return {c, -s, s, c, 0, 0};
    }
    // Rotation around a pivot point.
    static Affine RotationAround(Vec pivot, double degrees) {
        return Translation(pivot * -1).Then(Rotation(degrees)).Then(Translation(pivot));
    }
};

// A point of a cubic Bezier curve.
inline Vec BezierPoint(Vec p0, Vec p1, Vec p2, Vec p3, double t) {
    double u = 1 - t;
    return p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t);
}

}  // namespace nuv::art
