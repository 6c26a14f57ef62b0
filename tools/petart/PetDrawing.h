#pragma once
// One drawing of the pet in progress: the canvas, the pose and the transforms of its parts.
// Shared by the painter's parts (body, face, extras).

#include "petart/Canvas.h"
#include "petart/Palette.h"
#include "petart/PetPose.h"

namespace nuv::art {

class CPetDrawing {
  public:
    CPetDrawing(CCanvas& canvas, const PetPose& pose, const Palette& palette, Vec ground);

    void DrawAll();

    // Shapes in the pet's coordinates, through the figure transform (or the head's).
    CMask Ellipse(const Affine& t, Vec centre, double rx, double ry, double degrees = 0) const;
    CMask Capsule(const Affine& t, Vec a, Vec b, double ra, double rb) const;
    CMask Polygon(const Affine& t, std::initializer_list<Vec> points) const;
    // A stroke along a cubic curve whose radius follows `radiusAt(t)` for t in 0..1.
    template <typename F>
    CMask Stroke(const Affine& t, Vec p0, Vec p1, Vec p2, Vec p3, F radiusAt, int steps = 24) const;
    CMask ThinCurve(const Affine& t, Vec p0, Vec p1, Vec p2, Vec p3) const;

    CCanvas& canvas;
    const PetPose& pose;
    const Palette& palette;
    Affine figure;  // pet coordinates to pixels
    Affine head;    // head coordinates to pixels
    double turn;    // 0..1

    // Parts, in drawing order (PetPainter.cpp, PetFace.cpp, PetExtras.cpp).
    void DrawTail();
    void DrawMembrane();
    void DrawFoot(Vec foot, bool left, bool behind);
    enum LimbParts { kArm = 1, kPaw = 2 };
    void DrawFrontPaws(int parts);
    void DrawPaw(Vec paw, bool left, bool behind, int parts);
    void DrawBody();
    void DrawEars();
    CMask HeadShape() const;
    void DrawHead();
    void DrawEyes();
    void DrawEye(Vec centre, double width, bool left, Eyes eyes);
    void DrawNose();
    void DrawMouth();
    void DrawExtras();

    Vec NosePoint() const;
    Vec EyePoint(bool left) const;
};

template <typename F>
CMask CPetDrawing::Stroke(const Affine& t, Vec p0, Vec p1, Vec p2, Vec p3, F radiusAt,
                          int steps) const {
    CMask mask = canvas.EmptyMask();
    double scale = t.Scale();
    Vec prev = t.Apply(p0);
    for (int i = 1; i <= steps; ++i) {
        double s0 = double(i - 1) / steps, s1 = double(i) / steps;
        Vec next = t.Apply(BezierPoint(p0, p1, p2, p3, s1));
        mask.FillCapsule(prev, next, radiusAt(s0) * scale, radiusAt(s1) * scale);
        prev = next;
    }
    return mask;
}

}  // namespace nuv::art
