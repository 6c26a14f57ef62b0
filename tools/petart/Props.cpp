#include "petart/Props.h"

#include <cmath>

#include "petart/Palette.h"

namespace nuv::art {
namespace {

CMask EllipseMask(const CCanvas& canvas, const Affine& t, Vec c, double rx, double ry,
                  double degrees = 0) {
    CMask m = canvas.EmptyMask();
    m.FillEllipse(Affine::Scaling(rx, ry)
                      .Then(Affine::Rotation(degrees))
                      .Then(Affine::Translation(c))
                      .Then(t));
    return m;
}

CMask PolygonMask(const CCanvas& canvas, const Affine& t, const std::vector<Vec>& points) {
    std::vector<Vec> mapped;
    for (Vec p : points)
        mapped.push_back(t.Apply(p));
    CMask m = canvas.EmptyMask();
    m.FillPolygon(mapped);
    return m;
}

CMask CapsuleMask(const CCanvas& canvas, const Affine& t, Vec a, Vec b, double r) {
    CMask m = canvas.EmptyMask();
    m.FillCapsule(t.Apply(a), t.Apply(b), r * t.Scale(), r * t.Scale());
    return m;
}

void Dot(CCanvas& canvas, const Affine& t, Vec at, Pixel colour) {
    Vec p = t.Apply(at);
    canvas.FillRect(int(std::floor(p.x)), int(std::floor(p.y)), 1, 1, colour);
}

}  // namespace

CMask HeartShape(const CCanvas& canvas, const Affine& t, Vec c, double s) {
    CMask m = EllipseMask(canvas, t, c + Vec{-0.24 * s, -0.16 * s}, 0.27 * s, 0.27 * s);
    m.Unite(EllipseMask(canvas, t, c + Vec{0.24 * s, -0.16 * s}, 0.27 * s, 0.27 * s));
    m.Unite(PolygonMask(
        canvas, t,
        {c + Vec{-0.49 * s, -0.08 * s}, c + Vec{0.49 * s, -0.08 * s}, c + Vec{0, 0.48 * s}}));
    return m;
}

void PaintHeart(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    canvas.PaintOutlined(HeartShape(canvas, t, c, s), colours::kHeart, ink);
    canvas.Paint(
        EllipseMask(canvas, t, c + Vec{-0.26 * s, -0.2 * s}, 0.08 * s + 0.5, 0.08 * s + 0.5),
        colours::kHeartLight);
}

void PaintStar(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    std::vector<Vec> points;
    for (int i = 0; i < 10; ++i) {
        double r = (i % 2 == 0 ? 0.55 : 0.24) * s;
        double a = Radians(-90 + 36 * i);
        points.push_back(c + Vec{r * std::cos(a), r * std::sin(a) + 0.05 * s});
    }
    canvas.PaintOutlined(PolygonMask(canvas, t, points), colours::kStar, ink);
    canvas.Paint(EllipseMask(canvas, t, c + Vec{-0.06 * s, 0}, 0.08 * s + 0.4, 0.08 * s + 0.4),
                 colours::kStarLight);
}

void PaintSparkle(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    double r = 0.5 * s, k = 0.13 * s;
    canvas.PaintOutlined(
        PolygonMask(canvas, t,
                    {c + Vec{0, -r}, c + Vec{k, -k}, c + Vec{r, 0}, c + Vec{k, k}, c + Vec{0, r},
                     c + Vec{-k, k}, c + Vec{-r, 0}, c + Vec{-k, -k}}),
        colours::kStarLight, ink);
}

void PaintAcorn(CCanvas& canvas, const Affine& t0, Vec c, double s, Pixel ink, double degrees) {
    Affine t = Affine::RotationAround(c, degrees).Then(t0);
    CMask nut = EllipseMask(canvas, t, c + Vec{0, 0.1 * s}, 0.36 * s, 0.4 * s);
    nut.Unite(PolygonMask(
        canvas, t, {c + Vec{-0.2 * s, 0.3 * s}, c + Vec{0.2 * s, 0.3 * s}, c + Vec{0, 0.52 * s}}));
    CMask cap = EllipseMask(canvas, t, c + Vec{0, -0.16 * s}, 0.44 * s, 0.24 * s);
    cap.Unite(
        CapsuleMask(canvas, t, c + Vec{0, -0.3 * s}, c + Vec{0.08 * s, -0.48 * s}, 0.05 * s + 0.5));
    CMask both = nut;
    both.Unite(cap);
    canvas.Paint(both.Dilated(), ink);
    canvas.Paint(nut, colours::kAcornNut);
    canvas.Paint(EllipseMask(canvas, t, c + Vec{-0.14 * s, 0.12 * s}, 0.08 * s + 0.3, 0.16 * s),
                 colours::kAcornNutLight);
    canvas.PaintOutlined(cap, colours::kAcornCap, ink);
    CMask capLight = EllipseMask(canvas, t, c + Vec{-0.1 * s, -0.22 * s}, 0.2 * s, 0.07 * s + 0.4);
    capLight.Intersect(cap);
    canvas.Paint(capLight, colours::kAcornCapLight);
}

void PaintDrop(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    CMask m = EllipseMask(canvas, t, c + Vec{0, 0.15 * s}, 0.3 * s, 0.32 * s);
    m.Unite(PolygonMask(
        canvas, t,
        {c + Vec{0, -0.5 * s}, c + Vec{-0.27 * s, 0.05 * s}, c + Vec{0.27 * s, 0.05 * s}}));
    canvas.PaintOutlined(m, colours::kWater, ink);
    Dot(canvas, t, c + Vec{-0.1 * s, 0.1 * s}, colours::kWaterLight);
}

void PaintNote(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    CMask m = EllipseMask(canvas, t, c + Vec{-0.14 * s, 0.32 * s}, 0.2 * s, 0.15 * s, -20);
    m.Unite(CapsuleMask(canvas, t, c + Vec{0.04 * s, 0.3 * s}, c + Vec{0.04 * s, -0.45 * s},
                        0.05 * s + 0.3));
    m.Unite(CapsuleMask(canvas, t, c + Vec{0.04 * s, -0.45 * s}, c + Vec{0.3 * s, -0.1 * s},
                        0.06 * s + 0.3));
    canvas.PaintOutlined(m, colours::kInk, colours::kWhite);
    (void)ink;
}

void PaintLetterZ(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    double h = 0.4 * s, r = 0.09 * s + 0.4;
    CMask m = CapsuleMask(canvas, t, c + Vec{-h, -h}, c + Vec{h, -h}, r);
    m.Unite(CapsuleMask(canvas, t, c + Vec{h, -h}, c + Vec{-h, h}, r));
    m.Unite(CapsuleMask(canvas, t, c + Vec{-h, h}, c + Vec{h, h}, r));
    canvas.PaintOutlined(m, colours::kSleep, ink);
}

void PaintExclamation(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    CMask m = CapsuleMask(canvas, t, c + Vec{0, -0.42 * s}, c + Vec{0, 0.12 * s}, 0.12 * s + 0.3);
    CMask dot = EllipseMask(canvas, t, c + Vec{0, 0.4 * s}, 0.12 * s + 0.3, 0.12 * s + 0.3);
    CMask both = m;
    both.Unite(dot);
    canvas.Paint(both.Dilated().Dilated(), ink);
    canvas.Paint(m, colours::kAnger);
    canvas.Paint(dot, colours::kAnger);
}

void PaintQuestion(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink) {
    CMask hook = canvas.EmptyMask();
    std::vector<Vec> arc;
    for (int i = 0; i <= 10; ++i) {
        double a = Radians(-200 + 250 * i / 10.0);
        arc.push_back(c + Vec{0.22 * s * std::cos(a), -0.22 * s + 0.2 * s * std::sin(a)});
    }
    arc.push_back(c + Vec{0, 0.14 * s});
    double r = 0.09 * s + 0.4;
    for (size_t i = 0; i + 1 < arc.size(); ++i) {
        hook.FillCapsule(t.Apply(arc[i]), t.Apply(arc[i + 1]), r * t.Scale(), r * t.Scale());
    }
    CMask dot = EllipseMask(canvas, t, c + Vec{0, 0.4 * s}, r + 0.2, r + 0.2);
    CMask both = hook;
    both.Unite(dot);
    canvas.Paint(both.Dilated().Dilated(), ink);
    canvas.Paint(hook, colours::kSleep);
    canvas.Paint(dot, colours::kSleep);
}

void PaintLeaf(CCanvas& canvas, const Affine& t0, Vec c, double s, Pixel ink, double degrees) {
    Affine t = Affine::RotationAround(c, degrees).Then(t0);
    CMask m = EllipseMask(canvas, t, c, 0.25 * s, 0.5 * s);
    canvas.PaintOutlined(m, colours::kLeaf, ink);
    CMask vein = CapsuleMask(canvas, t, c + Vec{0, -0.35 * s}, c + Vec{0, 0.4 * s}, 0.5);
    vein.Intersect(m);
    canvas.Paint(vein, colours::kLeafDark);
}

void PaintFlower(CCanvas& canvas, const Affine& t, Vec c, double s, Pixel ink, Pixel petals) {
    CMask m = canvas.EmptyMask();
    for (int i = 0; i < 5; ++i) {
        double a = Radians(-90 + 72 * i);
        m.Unite(EllipseMask(canvas, t, c + Vec{0.28 * s * std::cos(a), 0.28 * s * std::sin(a)},
                            0.2 * s, 0.2 * s));
    }
    canvas.PaintOutlined(m, petals, ink);
    canvas.PaintOutlined(EllipseMask(canvas, t, c, 0.14 * s, 0.14 * s), colours::kStar, ink);
}

}  // namespace nuv::art
