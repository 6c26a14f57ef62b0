// The rasteriser of the picture generator: shapes sample pixel centres, no anti-aliasing.

#include <gtest/gtest.h>

#include "petart/Canvas.h"
#include "petart/Mask.h"

namespace nuv::art {
namespace {

TEST(MaskShapes, EllipseCoversPixelsWhoseCentresLieInside) {
    CMask m(10, 10);
    m.FillEllipse({5, 5}, 1, 1);
    // Only the four pixels around the centre point have their centres within radius 1.
    EXPECT_EQ(m.Count(), 4);
    EXPECT_TRUE(m.Get(4, 4) && m.Get(5, 4) && m.Get(4, 5) && m.Get(5, 5));

    CMask big(40, 40);
    big.FillEllipse({20, 20}, 10, 5);
    EXPECT_NEAR(big.Count(), 3.14159 * 10 * 5, 12);
    EXPECT_FALSE(big.Get(20, 14));
    EXPECT_TRUE(big.Get(20, 15));
}

TEST(MaskShapes, RotatedEllipseTurnsClockwise) {
    CMask flat(40, 40), turned(40, 40);
    flat.FillEllipse({20, 20}, 12, 3);
    turned.FillEllipse({20, 20}, 12, 3, 90);
    EXPECT_TRUE(flat.Get(30, 20));
    EXPECT_FALSE(flat.Get(20, 30));
    EXPECT_TRUE(turned.Get(20, 30));
    EXPECT_FALSE(turned.Get(30, 20));
    EXPECT_NEAR(flat.Count(), turned.Count(), 4);
}

TEST(MaskShapes, PolygonFillsHalfOpenRectangle) {
    CMask m(10, 10);
    m.FillPolygon({{2, 3}, {6, 3}, {6, 5}, {2, 5}});
    EXPECT_EQ(m.Count(), 8);  // columns 2..5, rows 3..4
    EXPECT_TRUE(m.Get(2, 3) && m.Get(5, 4));
    EXPECT_FALSE(m.Get(6, 3) || m.Get(2, 5) || m.Get(1, 3));
}

TEST(MaskShapes, PolygonOutsideThePictureIsClipped) {
    CMask m(4, 4);
    m.FillPolygon({{-10, -10}, {10, -10}, {10, 10}, {-10, 10}});
    EXPECT_EQ(m.Count(), 16);
    m.FillPolygon({{1, 1}});  // too few points: nothing, no crash
    EXPECT_EQ(m.Count(), 16);
}

TEST(MaskShapes, TaperedCapsuleIsRoundAtBothEnds) {
    CMask m(40, 20);
    m.FillCapsule({10, 10}, {30, 10}, 4, 1);
    EXPECT_TRUE(m.Get(7, 10));  // round start, radius 4
    EXPECT_FALSE(m.Get(5, 10));
    EXPECT_TRUE(m.Get(10, 13));
    EXPECT_FALSE(m.Get(29, 12));  // thin end
    EXPECT_TRUE(m.Get(30, 10));
}

TEST(MaskShapes, ThinLinesHaveNoGaps) {
    CMask m(20, 20);
    m.DrawThinLine({1.5, 1.5}, {15.5, 8.5});
    for (int x = 1; x <= 15; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 20; ++y)
            inColumn += m.Get(x, y);
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
}

TEST(MaskOperations, DilationWithAndWithoutCorners) {
    CMask dot(5, 5);
    dot.Set(2, 2);
    EXPECT_EQ(dot.Dilated(false).Count(), 5);
    EXPECT_EQ(dot.Dilated(true).Count(), 9);
    CMask corner(3, 3);
    corner.Set(0, 0);
    EXPECT_EQ(corner.Dilated(true).Count(), 4);  // clipped at the edges
}

TEST(MaskOperations, SetOperationsAndMirror) {
    CMask a(6, 1), b(6, 1);
    a.Set(0, 0);
    a.Set(1, 0);
    b.Set(1, 0);
    b.Set(2, 0);
    CMask u = a, d = a, i = a;
    u.Unite(b);
    d.Subtract(b);
    i.Intersect(b);
    EXPECT_EQ(u.Count(), 3);
    EXPECT_TRUE(d.Get(0, 0) && !d.Get(1, 0));
    EXPECT_TRUE(i.Get(1, 0) && i.Count() == 1);
    CMask m = a.Mirrored();
    EXPECT_TRUE(m.Get(5, 0) && m.Get(4, 0) && !m.Get(0, 0));
}

TEST(CanvasFinish, RingPutsOutlineAllAroundTheFigure) {
    CCanvas c(7, 7);
    c.FillRect(2, 2, 3, 3, MakePixel(200, 100, 50));
    c.RingFigure(MakePixel(1, 2, 3));
    EXPECT_EQ(c.image().At(1, 1), MakePixel(1, 2, 3));  // corners too
    EXPECT_EQ(c.image().At(5, 3), MakePixel(1, 2, 3));
    EXPECT_EQ(c.image().At(3, 3), MakePixel(200, 100, 50));
    EXPECT_EQ(c.image().At(0, 0), kPureGreen);
    EXPECT_EQ(c.Figure().Count(), 25);
}

TEST(CanvasFinish, EnclosedGreenIsFilledAndCornerLeaksGetTheEdgeColour) {
    const Pixel wall = MakePixel(9, 9, 9), fill = MakePixel(50, 50, 50), edge = MakePixel(7, 7, 7);
    CCanvas c(7, 7);
    // A ring of wall around (2..4, 2..4), open only at a corner diagonal.
    for (int i = 1; i <= 5; ++i) {
        c.FillRect(i, 1, 1, 1, wall);
        c.FillRect(i, 5, 1, 1, wall);
        c.FillRect(1, i, 1, 1, wall);
        c.FillRect(5, i, 1, 1, wall);
    }
    c.FillRect(5, 5, 1, 1, kPureGreen);
    c.FillRect(4, 4, 1, 1, kPureGreen);  // touches the outside only at its corner
    EXPECT_EQ(c.FillEnclosedGreen(fill, edge), 9);
    EXPECT_EQ(c.image().At(3, 3), fill);
    EXPECT_EQ(c.image().At(4, 4), edge);
    EXPECT_EQ(c.image().At(5, 5), kPureGreen);
    EXPECT_EQ(c.FillEnclosedGreen(fill, edge), 0);
}

TEST(CanvasPictures, StampSkipsGreenAndMirrorAndScale) {
    Image small(2, 1, kPureGreen);
    small.Set(1, 0, MakePixel(1, 1, 1));
    CCanvas c(3, 1);
    c.FillRect(0, 0, 3, 1, MakePixel(5, 5, 5));
    c.Stamp(small, 0, 0);
    EXPECT_EQ(c.image().At(0, 0), MakePixel(5, 5, 5));
    EXPECT_EQ(c.image().At(1, 0), MakePixel(1, 1, 1));
    c.Stamp(small, 2, 0);  // partly outside: clipped
    EXPECT_EQ(MirroredImage(small).At(0, 0), MakePixel(1, 1, 1));
    Image big = ScaledImage(small, 3);
    EXPECT_EQ(big.width(), 6);
    EXPECT_EQ(big.At(5, 2), MakePixel(1, 1, 1));
    EXPECT_EQ(big.At(2, 2), kPureGreen);
}

}  // namespace
}  // namespace nuv::art
