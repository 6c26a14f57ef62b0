#include "petart/PetPainter.h"

#include <cmath>

#include "petart/PetDrawing.h"
#include "petart/Props.h"

namespace nuv::art {
namespace {

const Vec kLeanPivot{0, -34};
const Vec kNeck{0, -28};
const Vec kHeadCentre{0, -46};

}  // namespace

Affine FigureTransform(const PetPose& pose, Vec ground) {
    double sy = pose.stretch, sx = 1 / std::sqrt(pose.stretch);
    return Affine::Scaling(sx, sy)
        .Then(Affine::RotationAround(kLeanPivot, pose.lean))
        .Then(Affine::Translation(ground + pose.offset));
}

Image CPetPainter::Draw(const PetPose& pose, int* enclosedPixels) const {
    CCanvas canvas(kFrameSize, kFrameSize);
    DrawInto(canvas, pose, kFrameGround);
    canvas.RingFigure(palette_.outline);
    // Gaps closed all around (between tail and body, say) would be holes in the window.
    int enclosed = canvas.FillEnclosedGreen(palette_.furShade, palette_.outline);
    if (enclosedPixels) *enclosedPixels = enclosed;
    if (pose.mirrored) return MirroredImage(canvas.image());
    return canvas.image();
}

void CPetPainter::DrawInto(CCanvas& canvas, const PetPose& pose, Vec ground) const {
    CPetDrawing drawing(canvas, pose, palette_, ground);
    drawing.DrawAll();
}

CPetDrawing::CPetDrawing(CCanvas& c, const PetPose& p, const Palette& pal, Vec ground)
    : canvas(c), pose(p), palette(pal), turn(p.turn < 0 ? 0 : (p.turn > 1 ? 1 : p.turn)) {
    figure = FigureTransform(pose, ground);
    head = Affine::Translation(pose.head)
               .Then(Affine::RotationAround(kNeck, pose.headTilt))
               .Then(figure);
}

void CPetDrawing::DrawAll() {
    DrawTail();
    if (pose.membrane) {
        // Spread out: the skin hides the limbs; paws and feet show at its corners.
        DrawBody();
        DrawMembrane();
        DrawFoot(pose.footLeft, true, false);
        DrawFoot(pose.footRight, false, false);
        DrawEars();
        DrawHead();
        DrawPaw(pose.pawLeft, true, false, kPaw);
        DrawPaw(pose.pawRight, false, false, kPaw);
        DrawExtras();
        return;
    }
    if (pose.footLeftBehind) DrawFoot(pose.footLeft, true, true);
    if (pose.footRightBehind) DrawFoot(pose.footRight, false, true);
    if (pose.pawRightBehind) DrawPaw(pose.pawRight, false, true, kArm | kPaw);
    DrawBody();
    if (!pose.footLeftBehind) DrawFoot(pose.footLeft, true, false);
    if (!pose.footRightBehind) DrawFoot(pose.footRight, false, false);
    DrawFrontPaws(pose.pawsOverHead ? kArm : kArm | kPaw);
    DrawEars();
    DrawHead();
    if (pose.pawsOverHead) DrawFrontPaws(kPaw);
    DrawExtras();
}

CMask CPetDrawing::Ellipse(const Affine& t, Vec centre, double rx, double ry,
                           double degrees) const {
    CMask mask = canvas.EmptyMask();
    mask.FillEllipse(Affine::Scaling(rx, ry)
                         .Then(Affine::Rotation(degrees))
                         .Then(Affine::Translation(centre))
                         .Then(t));
    return mask;
}

CMask CPetDrawing::Capsule(const Affine& t, Vec a, Vec b, double ra, double rb) const {
    CMask mask = canvas.EmptyMask();
    mask.FillCapsule(t.Apply(a), t.Apply(b), ra * t.Scale(), rb * t.Scale());
    return mask;
}

CMask CPetDrawing::Polygon(const Affine& t, std::initializer_list<Vec> points) const {
    std::vector<Vec> mapped;
    for (Vec p : points)
        mapped.push_back(t.Apply(p));
    CMask mask = canvas.EmptyMask();
    mask.FillPolygon(mapped);
    return mask;
}

CMask CPetDrawing::ThinCurve(const Affine& t, Vec p0, Vec p1, Vec p2, Vec p3) const {
    CMask mask = canvas.EmptyMask();
    mask.DrawThinBezier(t.Apply(p0), t.Apply(p1), t.Apply(p2), t.Apply(p3));
    return mask;
}

void CPetDrawing::DrawTail() {
    int side = pose.tailSide;
    double c = pose.tailCurl, len = pose.tailLength;
    // The tail in its own frame: out from the base, then up, the tip curling back.
    Vec p1{20, 0}, p2{31, -28}, p3{22 - 7 * c, -47 + 2 * c};
    Vec base{9.0 * side, -12};
    if (side == 0) {
        p1 = {4, -14};
        p2 = {8, -34};
        p3 = {2 - 4 * c, -50};
        base = {0, -32};
    }
    double mirror = side < 0 ? -1 : 1;
    Affine t = Affine::Scaling(mirror * len, len)
                   .Then(Affine::Rotation(pose.tailSway * mirror))
                   .Then(Affine::Translation(base))
                   .Then(figure);
    auto radius = [](double s) { return 4 + 7 * std::sin(kPi * s * 0.75); };
    CMask tail = Stroke(t, {0, 0}, p1, p2, p3, radius);
    if (pose.tailOnGround)
        tail.Intersect(Polygon(figure, {{-200, -300}, {200, -300}, {200, -1.2}, {-200, -1.2}}));
    canvas.PaintOutlined(tail, palette.fur, palette.outline);
    // A lighter tip and a darker line along the middle.
    CMask tip = Stroke(t, {0, 0}, p1, p2, p3, [&](double s) { return s > 0.82 ? radius(s) : 0.0; });
    tip.Intersect(tail);
    canvas.Paint(tip, palette.furLight);
    CMask middle =
        Stroke(t, {0, 0}, p1, p2, p3, [](double s) { return s > 0.2 && s < 0.75 ? 1.3 : 0.0; });
    canvas.Paint(middle, palette.furShade);
}

void CPetDrawing::DrawMembrane() {
    for (int side = -1; side <= 1; side += 2) {
        Vec paw = side < 0 ? pose.pawLeft : pose.pawRight;
        Vec foot = side < 0 ? pose.footLeft : pose.footRight;
        Vec shoulder{9.0 * side, -28}, hip{9.0 * side, -9};
        Vec mid = Lerp(paw, foot, 0.5);
        Vec inward{-side * 3.0, 0};
        std::vector<Vec> points{figure.Apply(shoulder), figure.Apply(paw)};
        for (int i = 1; i < 8; ++i) {
            double s = i / 8.0;
            Vec edge = Lerp(paw, foot, s) + inward * std::sin(kPi * s);
            if (i == 4) edge = mid + inward * 1.6;
            points.push_back(figure.Apply(edge));
        }
        points.push_back(figure.Apply(foot));
        points.push_back(figure.Apply(hip));
        CMask skin = canvas.EmptyMask();
        skin.FillPolygon(points);
        canvas.PaintOutlined(skin, palette.furLight, palette.outline);
    }
}

void CPetDrawing::DrawFoot(Vec foot, bool left, bool behind) {
    Vec hip{left ? -7.0 + 3 * turn : 7.0 - 6 * turn, -10};
    CMask shape = canvas.EmptyMask();
    if (Length(foot - hip) > 9 && !pose.membrane) shape.Unite(Capsule(figure, hip, foot, 3.6, 3.2));
    shape.Unite(Ellipse(figure, foot + Vec{-1.5 * turn, 0}, 6.2 - turn * 0.4, 3.6));
    canvas.PaintOutlined(shape, behind ? palette.furShade : palette.fur, palette.outline);
}

void CPetDrawing::DrawFrontPaws(int parts) {
    if ((parts & kPaw) && (pose.extras & kBigAcorn)) {
        PaintAcorn(canvas, figure, pose.propAt, 17, palette.outline, 8);
    }
    DrawPaw(pose.pawLeft, true, false, parts);
    if (!pose.pawRightBehind) DrawPaw(pose.pawRight, false, false, parts);
    if ((parts & kPaw) && (pose.extras & kAcorn)) {
        PaintAcorn(canvas, figure, pose.propAt, 13, palette.outline, -10);
    }
}

void CPetDrawing::DrawPaw(Vec paw, bool left, bool behind, int parts) {
    Vec shoulder{left ? -10.0 + 5 * turn : 10.0 - 7 * turn, -24};
    CMask shape = canvas.EmptyMask();
    if (parts & kPaw) shape.Unite(Ellipse(figure, paw, 3.8, 3.6));
    if ((parts & kArm) && Length(paw - shoulder) > 6) {
        shape.Unite(Capsule(figure, shoulder, paw, 2.8, 3));
    }
    canvas.PaintOutlined(shape, behind ? palette.furShade : palette.furLight, palette.outline);
}

void CPetDrawing::DrawBody() {
    Vec centre{2 * turn, -17};
    CMask body = Ellipse(figure, centre, 17, 16);
    canvas.PaintOutlined(body, palette.fur, palette.outline);
    CMask belly = Ellipse(figure, {-6 * turn, -14}, 11 - 2 * turn, 12);
    belly.Intersect(body);
    canvas.Paint(belly, palette.cream);
}

void CPetDrawing::DrawEars() {
    struct Ear {
        Vec centre;
        double degrees;
    };
    Ear ears[2] = {{{-17 + 9 * turn, -63}, -22 + 14 * turn + pose.earLeft},
                   {{17 - 4 * turn, -63}, 22 - 4 * turn + pose.earRight}};
    for (const Ear& ear : ears) {
        // Each ear turns around its base on the head.
        Vec base = ear.centre + Vec{0, 8};
        Affine t = Affine::RotationAround(base, ear.degrees).Then(head);
        CMask outer = Ellipse(t, ear.centre, 7, 9.5);
        canvas.PaintOutlined(outer, palette.fur, palette.outline);
        CMask inner = Ellipse(t, ear.centre + Vec{0, 1.5}, 3.8, 6);
        canvas.Paint(inner, palette.earInner);
    }
}

CMask CPetDrawing::HeadShape() const {
    CMask shape = Ellipse(head, kHeadCentre, 25 - turn, 21.5);
    if (turn > 0.3) shape.Unite(Ellipse(head, {-20 * turn, -40}, 7, 6));
    // Tufts of fur on the cheeks.
    if (turn < 0.8) {
        shape.Unite(
            Polygon(head, {{-22 + 6 * turn, -47}, {-30 + 6 * turn, -40}, {-21 + 6 * turn, -35}}));
    }
    shape.Unite(Polygon(head, {{22 - 3 * turn, -47}, {30 - 2 * turn, -40}, {21 - 3 * turn, -35}}));
    if (pose.extras & kPuffCheeks) {
        shape.Unite(Ellipse(head, {-18 - 2 * turn, -37}, 9, 8));
        shape.Unite(Ellipse(head, {18 - 10 * turn, -37}, 9 - 3 * turn, 8));
    }
    return shape;
}

void CPetDrawing::DrawHead() {
    CMask shape = HeadShape();
    canvas.PaintOutlined(shape, palette.fur, palette.outline);
    CMask face = Ellipse(head, {-8 * turn, -37}, 17 - 3 * turn, 11);
    if (pose.extras & kPuffCheeks) {
        face.Unite(Ellipse(head, {-18 - 2 * turn, -36}, 7.5, 6.5));
        face.Unite(Ellipse(head, {18 - 10 * turn, -36}, 7.5 - 3 * turn, 6.5));
    }
    face.Intersect(shape);
    canvas.Paint(face, palette.cream);
    if (pose.blush) {
        canvas.Paint(Ellipse(head, {-16 + 5 * turn, -39}, 3.6 - turn, 2.1), palette.blush);
        if (turn < 0.75)
            canvas.Paint(Ellipse(head, {16 - 12 * turn, -39}, 3.6, 2.1), palette.blush);
    }
    DrawEyes();
    DrawNose();
    DrawMouth();
}

}  // namespace nuv::art
