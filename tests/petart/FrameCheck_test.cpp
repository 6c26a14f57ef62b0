// The checks that keep every frame a good window shape.

#include <gtest/gtest.h>

#include <tuple>

#include "petart/FrameCheck.h"

namespace nuv::art {
namespace {

const Pixel kInk = MakePixel(10, 10, 10);
const Pixel kFur = MakePixel(200, 150, 90);

// A 3 x 3 block of fur with an outline, its top-left outline pixel at (x, y).
void Block(Image& image, int x, int y) {
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            bool border = r == 0 || c == 0 || r == 4 || c == 4;
            image.Set(x + c, y + r, border ? kInk : kFur);
        }
    }
}

TEST(FrameCheck, CleanFigureHasNoProblems) {
    Image frame(20, 20, kPureGreen);
    Block(frame, 5, 5);
    FrameReport r = CheckFrame(frame, kInk);
    EXPECT_TRUE(FrameProblems(r).empty());
    EXPECT_EQ(std::make_tuple(r.components, r.pixels, r.topRow, r.lowestRow),
              std::make_tuple(1, 25, 5, 9));
}

TEST(FrameCheck, FindsSeparatePartsHolesFringeAndEdges) {
    Image frame(20, 20, kPureGreen);
    Block(frame, 2, 2);
    Block(frame, 12, 12);
    EXPECT_EQ(CheckFrame(frame, kInk).components, 2);

    Image holed(20, 20, kPureGreen);
    Block(holed, 5, 5);
    holed.Set(7, 7, kPureGreen);
    FrameReport r = CheckFrame(holed, kInk);
    EXPECT_EQ(r.holes, 1);
    EXPECT_EQ(r.fringe, 8);  // the fur around the hole has no outline

    Image bare(20, 20, kPureGreen);
    bare.Set(4, 4, kFur);
    EXPECT_EQ(CheckFrame(bare, kInk).fringe, 1);

    Image edge(20, 20, kPureGreen);
    Block(edge, 15, 0);
    EXPECT_TRUE(CheckFrame(edge, kInk).touchesEdge);
    EXPECT_EQ(FrameProblems(CheckFrame(Image(4, 4, kPureGreen), kInk)).size(), 1u);
}

TEST(FrameCheck, PartsTouchingOnlyAtCornersAreSeparate) {
    Image frame(10, 10, kPureGreen);
    frame.Set(2, 2, kInk);
    frame.Set(3, 3, kInk);
    EXPECT_EQ(CheckFrame(frame, kInk).components, 2);
}

}  // namespace
}  // namespace nuv::art
