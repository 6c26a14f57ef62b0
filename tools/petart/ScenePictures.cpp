// The loading picture, the gauge cells and the goodbye picture.

#include "petart/PetPainter.h"
#include "petart/Pictures.h"
#include "petart/PoseKit.h"
#include "petart/Props.h"
#include "petart/StrokeFont.h"

namespace nuv::art {
namespace {

const Affine kIdentity{};

void Bands(CCanvas& c, std::initializer_list<std::pair<int, Pixel>> bands) {
    for (auto [top, colour] : bands)
        c.FillRect(0, top, c.width(), c.height() - top, colour);
}

void Cloud(CCanvas& c, Vec at, double size) {
    CMask m = c.EmptyMask();
    m.FillEllipse(at, size, size * 0.45);
    m.FillEllipse(at + Vec{-size * 0.45, -size * 0.1}, size * 0.45, size * 0.4);
    m.FillEllipse(at + Vec{size * 0.2, -size * 0.3}, size * 0.5, size * 0.45);
    c.Paint(m, MakePixel(255, 255, 255));
}

// The pet in `pose` with its outline all around, its ground point at `ground`.
void PaintPet(CCanvas& scene, const Palette& palette, const PetPose& pose, Vec ground) {
    CCanvas layer(scene.width(), scene.height());
    CPetPainter(palette).DrawInto(layer, pose, ground);
    layer.RingFigure(palette.outline);
    scene.Stamp(pose.mirrored ? MirroredImage(layer.image()) : layer.image(), 0, 0);
}

void Hill(CCanvas& c, Vec centre, double rx, double ry, Pixel colour) {
    CMask m = c.EmptyMask();
    m.FillEllipse(centre, rx, ry);
    c.Paint(m, colour);
}

}  // namespace

Image DrawLoadPicture(const Palette& palette) {
    CCanvas c(363, 192);
    Bands(c, {{0, MakePixel(148, 198, 244)},
              {34, MakePixel(166, 210, 248)},
              {70, MakePixel(186, 222, 251)},
              {104, MakePixel(206, 233, 253)},
              {124, MakePixel(224, 242, 255)}});
    CMask sun = c.EmptyMask();
    sun.FillEllipse({322, 34}, 17, 17);
    c.Paint(sun.Dilated(true).Dilated(true), MakePixel(255, 240, 170));
    c.Paint(sun, MakePixel(255, 214, 96));
    Cloud(c, {74, 72}, 22);
    Cloud(c, {262, 98}, 18);
    Cloud(c, {180, 30}, 14);
    Hill(c, {300, 236}, 120, 84, MakePixel(104, 172, 92));
    Hill(c, {150, 262}, 250, 108, MakePixel(132, 200, 108));
    // A tree on the left with the pet's acorns.
    CMask trunk = c.EmptyMask();
    trunk.FillPolygon({{24, 170}, {30, 96}, {38, 96}, {44, 170}});
    c.Paint(trunk.Dilated(), palette.outline);
    c.Paint(trunk, colours::kWood);
    CMask crown = c.EmptyMask();
    crown.FillEllipse({34, 78}, 30, 24);
    crown.FillEllipse({14, 92}, 16, 13);
    crown.FillEllipse({54, 94}, 16, 12);
    c.Paint(crown.Dilated(), colours::kLeafDark);
    c.Paint(crown, colours::kLeaf);
    PaintAcorn(c, kIdentity, {20, 88}, 11, palette.outline, 10);
    PaintAcorn(c, kIdentity, {46, 74}, 11, palette.outline, -10);
    PaintAcorn(c, kIdentity, {140, 168}, 12, palette.outline, 20);
    PaintFlower(c, kIdentity, {230, 166}, 11, palette.outline, MakePixel(255, 170, 200));
    PaintFlower(c, kIdentity, {300, 174}, 10, palette.outline, MakePixel(255, 240, 140));
    PetPose glide = StandingPose(0);
    glide.membrane = true;
    glide.pawLeft = {-31, -38};
    glide.pawRight = {31, -36};
    glide.footLeft = {-24, -7};
    glide.footRight = {24, -8};
    glide.tailSide = 0;
    glide.tailSway = 180;
    glide.tailLength = 0.75;
    glide.tailOnGround = false;
    glide.eyes = Eyes::Happy;
    glide.mouth = Mouth::Open;
    glide.lean = -8;
    PaintPet(c, palette, glide, {222, 112});
    TextStyle title;
    title.height = 22;
    title.weight = 1.7;
    title.fill = MakePixel(255, 255, 255);
    title.outline = MakePixel(54, 92, 150);
    double width = DrawStrokeText(c, {100, 12}, "NuvPET", title);
    TextStyle name = title;
    name.height = 18;
    name.fill = MakePixel(255, 232, 160);
    name.outline = palette.outline;
    DrawStrokeText(c, {100 + width + 8, 15}, palette.name, name);
    return c.image();
}

Image DrawGaugeCells() {
    CCanvas c(80, 16);
    struct Cell {
        int x;
        Pixel ink, fill, light, dark;
    };
    const Cell cells[] = {
        {0, MakePixel(150, 110, 10), MakePixel(252, 204, 44), MakePixel(255, 240, 150),
         MakePixel(226, 170, 20)},
        {16, MakePixel(150, 150, 156), MakePixel(236, 236, 240), MakePixel(252, 252, 255),
         MakePixel(218, 218, 224)},
        {32, MakePixel(40, 120, 40), MakePixel(96, 200, 80), MakePixel(180, 240, 160),
         MakePixel(64, 164, 56)},
        {48, MakePixel(40, 80, 150), MakePixel(90, 150, 236), MakePixel(170, 210, 255),
         MakePixel(60, 116, 200)},
        {64, MakePixel(150, 30, 40), MakePixel(236, 76, 80), MakePixel(255, 170, 170),
         MakePixel(200, 50, 60)},
    };
    for (const Cell& cell : cells) {
        c.FillRect(cell.x, 0, 16, 16, cell.ink);
        c.FillRect(cell.x + 1, 1, 14, 14, cell.fill);
        c.FillRect(cell.x + 1, 11, 14, 4, cell.dark);
        c.FillRect(cell.x + 2, 2, 12, 2, cell.light);
        c.FillRect(cell.x + 2, 4, 2, 3, cell.light);
    }
    return c.image();
}

Image DrawEndPicture(const Palette& palette) {
    CCanvas c(240, 160);
    Bands(c, {{0, MakePixel(255, 214, 170)},
              {30, MakePixel(255, 196, 160)},
              {58, MakePixel(252, 178, 160)},
              {84, MakePixel(246, 164, 168)},
              {106, MakePixel(236, 152, 176)}});
    CMask sun = c.EmptyMask();
    sun.FillEllipse({60, 120}, 26, 26);
    c.Paint(sun, MakePixel(255, 226, 140));
    Hill(c, {70, 214}, 170, 80, MakePixel(110, 176, 96));
    Hill(c, {200, 196}, 120, 60, MakePixel(128, 192, 104));
    PetPose wave = StandingPose(0);
    wave.eyes = Eyes::Happy;
    wave.mouth = Mouth::Open;
    wave.pawLeft = {-31, -50};
    wave.pawRight = {8, -20};
    wave.tailSway = 6;
    wave.extras = kHeart;
    PaintPet(c, palette, wave, {176, 150});
    TextStyle big;
    big.height = 30;
    big.weight = 2.1;
    big.fill = MakePixel(255, 255, 255);
    big.outline = MakePixel(170, 70, 90);
    DrawStrokeText(c, {16, 18}, u8"안녕!", big);
    TextStyle small = big;
    small.height = 17;
    small.weight = 1.5;
    DrawStrokeText(c, {18, 62}, u8"또 만나요!", small);
    TextStyle brand = small;
    brand.height = 11;
    brand.weight = 1.1;
    brand.fill = MakePixel(255, 250, 230);
    brand.outline = MakePixel(60, 110, 60);
    DrawStrokeText(c, {10, 141}, "NuvPET", brand);
    CMask border = c.EmptyMask();
    border.FillPolygon({{0, 0}, {240, 0}, {240, 160}, {0, 160}});
    CMask inside = c.EmptyMask();
    inside.FillPolygon({{1, 1}, {239, 1}, {239, 159}, {1, 159}});
    border.Subtract(inside);
    c.Paint(border, MakePixel(120, 60, 70));
    return c.image();
}

}  // namespace nuv::art
