// The object image: the two speech balloons, the stump of the outing and small pictures.

#include <cmath>

#include "petart/Pictures.h"
#include "petart/Props.h"

namespace nuv::art {
namespace {

const Pixel kBalloonInk = MakePixel(66, 40, 28);
const Pixel kBalloonFill = MakePixel(255, 253, 244);
const Pixel kBalloonShade = MakePixel(244, 234, 214);
const Pixel kNightInk = MakePixel(24, 20, 44);
const Pixel kNightRim = MakePixel(122, 110, 204);
const Pixel kNightFill = MakePixel(50, 42, 100);
const Affine kIdentity{};

CMask RoundedRect(const CCanvas& c, double x0, double y0, double x1, double y1, double r) {
    CMask m = c.EmptyMask();
    m.FillPolygon({{x0 + r, y0}, {x1 - r, y0}, {x1 - r, y1}, {x0 + r, y1}});
    m.FillPolygon({{x0, y0 + r}, {x1, y0 + r}, {x1, y1 - r}, {x0, y1 - r}});
    for (Vec corner :
         {Vec{x0 + r, y0 + r}, Vec{x1 - r, y0 + r}, Vec{x0 + r, y1 - r}, Vec{x1 - r, y1 - r}}) {
        m.FillEllipse(corner, r, r);
    }
    return m;
}

// Kinds 0 and 1: a light bubble whose tail points down at the pet's head.
Image DrawTalkBalloon() {
    CCanvas c(kBalloonPlace.width, kBalloonPlace.height);
    CMask shape = RoundedRect(c, 18, 16, 222, 152, 26);
    CMask tail = c.EmptyMask();
    tail.FillPolygon({{104, 146}, {136, 146}, {127, 167}});
    shape.Unite(tail);
    c.Paint(shape.Dilated(true).Dilated(), kBalloonInk);
    c.Paint(shape, kBalloonFill);
    CMask shade = shape;
    CMask lower = c.EmptyMask();
    lower.FillPolygon({{0, 145}, {233, 145}, {233, 203}, {0, 203}});
    shade.Intersect(lower);
    c.Paint(shade, kBalloonShade);
    PaintLeaf(c, kIdentity, {38, 20}, 14, kBalloonInk, 60);
    PaintAcorn(c, kIdentity, {26, 22}, 18, kBalloonInk, -15);
    return c.image();
}

// Kind 2: a night-blue bubble for yellow text.
Image DrawMessageBalloon() {
    CCanvas c(kMessageBalloonPlace.width, kMessageBalloonPlace.height);
    CMask shape = RoundedRect(c, 6, 10, 176, 150, 22);
    CMask tail = c.EmptyMask();
    tail.FillPolygon({{78, 146}, {104, 146}, {91, 177}});
    shape.Unite(tail);
    c.Paint(shape.Dilated(true), kNightInk);
    c.Paint(shape, kNightRim);
    CMask inner = RoundedRect(c, 8, 12, 174, 148, 20);
    CMask innerTail = c.EmptyMask();
    innerTail.FillPolygon({{81, 146}, {101, 146}, {91, 172}});
    inner.Unite(innerTail);
    c.Paint(inner, kNightFill);
    PaintSparkle(c, kIdentity, {22, 141}, 8, kNightInk);
    PaintSparkle(c, kIdentity, {160, 141}, 8, kNightInk);
    PaintStar(c, kIdentity, {141, 142}, 8, kNightInk);
    return c.image();
}

// The stump of the outing, 36 x 46, with or without its acorn.
Image DrawStump(bool withAcorn) {
    CCanvas c(kStumpBeforePlace.width, kStumpBeforePlace.height);
    const Pixel ink = MakePixel(66, 40, 28);
    CMask trunk = c.EmptyMask();
    trunk.FillPolygon({{6, 24}, {30, 24}, {31, 40}, {35, 44}, {1, 44}, {5, 40}});
    trunk.FillEllipse({18, 24}, 12.5, 5);
    c.Paint(trunk.Dilated(), ink);
    c.Paint(trunk, colours::kWood);
    CMask bark = c.EmptyMask();
    for (double x : {10.5, 17.5, 24.5})
        bark.FillCapsule({x, 30}, {x + 0.5, 41}, 0.5, 0.5);
    c.Paint(bark, colours::kWoodDark);
    CMask top = c.EmptyMask();
    top.FillEllipse({18, 24}, 11, 3.8);
    c.Paint(top, colours::kWoodLight);
    CMask ring = c.EmptyMask();
    ring.FillEllipse({18, 24}, 6.5, 2);
    CMask ringHole = c.EmptyMask();
    ringHole.FillEllipse({18, 24}, 5.2, 1.2);
    ring.Subtract(ringHole);
    c.Paint(ring, colours::kWoodRing);
    PaintLeaf(c, kIdentity, {31, 38}, 9, ink, 40);
    if (withAcorn) {
        PaintAcorn(c, kIdentity, {18, 13}, 17, ink, 12);
    } else {
        PaintLeaf(c, kIdentity, {16, 19}, 8, ink, -30);
    }
    c.RingFigure(ink);
    return c.image();
}

struct SmallPicture {
    const char* name;
    void (*paint)(CCanvas&);
};

const SmallPicture kSmallPictures[] = {
    {"heart",
     [](CCanvas& c) {
         PaintHeart(c, kIdentity, {8, 8.5}, 14, colours::kInk);
     }},
    {"star",
     [](CCanvas& c) {
         PaintStar(c, kIdentity, {8, 8}, 15, colours::kInk);
     }},
    {"acorn",
     [](CCanvas& c) {
         PaintAcorn(c, kIdentity, {8, 8}, 15, colours::kInk);
     }},
    {"flower",
     [](CCanvas& c) {
         PaintFlower(c, kIdentity, {8, 8}, 15, colours::kInk, MakePixel(255, 170, 200));
     }},
    {"note",
     [](CCanvas& c) {
         PaintNote(c, kIdentity, {8, 8}, 14, colours::kInk);
     }},
    {"leaf",
     [](CCanvas& c) {
         PaintLeaf(c, kIdentity, {8, 8}, 14, colours::kInk, 35);
     }},
};

}  // namespace

std::vector<NamedPicture> DrawBalloonPictures(std::vector<ObjectPlace>* places) {
    std::vector<NamedPicture> pictures;
    int x = 290;
    for (const SmallPicture& p : kSmallPictures) {
        CCanvas c(16, 16);
        p.paint(c);
        pictures.push_back({std::string("img_") + p.name + ".png", c.image()});
        if (places) places->push_back({p.name, x, 110, 16, 16});
        x += 20;
    }
    return pictures;
}

Image DrawObjects() {
    CCanvas sheet(420, 520);
    sheet.Stamp(DrawTalkBalloon(), kBalloonPlace.left, kBalloonPlace.top);
    sheet.Stamp(DrawMessageBalloon(), kMessageBalloonPlace.left, kMessageBalloonPlace.top);
    sheet.Stamp(DrawStump(false), kStumpAfterPlace.left, kStumpAfterPlace.top);
    sheet.Stamp(DrawStump(true), kStumpBeforePlace.left, kStumpBeforePlace.top);
    std::vector<ObjectPlace> places;
    std::vector<NamedPicture> small = DrawBalloonPictures(&places);
    for (size_t i = 0; i < small.size(); ++i)
        sheet.Stamp(small[i].image, places[i].left, places[i].top);
    return sheet.image();
}

}  // namespace nuv::art
