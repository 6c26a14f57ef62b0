#include "shape/ColorKey.h"

#include <gtest/gtest.h>

#include <cstring>

namespace nuv {
namespace {

constexpr Pixel kInk = MakePixel(40, 30, 20);

// A picture from text: 'g' is pure green, '#' ink, anything else black.
Image Picture(std::initializer_list<const char*> rows) {
    Image image(int(std::strlen(*rows.begin())), int(rows.size()));
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x) {
            image.Set(x, y, row[x] == 'g' ? kPureGreen : row[x] == '#' ? kInk : 0);
        }
        ++y;
    }
    return image;
}

TEST(MakeColorKeyRegion, CutsAwayExactlyTheKeyColour) {
    Image image = Picture({"gg#g",  //
                           "g##g",  //
                           "g##g",  //
                           "####"});
    image.Set(0, 3, MakePixel(0, 254, 0));  // almost green stays
    Region shape = MakeColorKeyRegion(image, kPureGreen);
    EXPECT_EQ(shape.Rects(), (std::vector<Rect>{{2, 0, 3, 1}, {1, 1, 3, 3}, {0, 3, 4, 4}}));
    EXPECT_EQ(shape.Area(), 9);
}

TEST(MakeColorKeyRegion, NoKeyGivesTheRectangleAllKeyNothing) {
    EXPECT_EQ(MakeColorKeyRegion(Picture({"###", "#.#"}), kPureGreen), Region(Rect{0, 0, 3, 2}));
    EXPECT_TRUE(MakeColorKeyRegion(Picture({"ggg", "ggg"}), kPureGreen).IsEmpty());
    EXPECT_TRUE(MakeColorKeyRegion(Image(), kPureGreen).IsEmpty());
    // Any colour can be the key.
    EXPECT_EQ(MakeColorKeyRegion(Picture({"g#g"}), kInk).Rects(),
              (std::vector<Rect>{{0, 0, 1, 1}, {2, 0, 3, 1}}));
}

TEST(CutImage, CopiesTheRectangleAndBlackOutside) {
    Image image = Picture({"#g#", "g#g", "##g"});
    EXPECT_EQ(CutImage(image, {1, 1, 3, 3}), Picture({"#g", "#g"}));
    EXPECT_EQ(CutImage(image, {0, 0, 3, 3}), image);
    // Beyond the picture on every side.
    EXPECT_EQ(CutImage(image, {-1, 2, 4, 4}), Picture({".##g.", "....."}));
    EXPECT_EQ(CutImage(image, {5, 5, 7, 6}), Picture({".."}));
}

TEST(CutImage, EmptyAndOversizedRectanglesGiveNoPicture) {
    Image image = Picture({"##"});
    EXPECT_TRUE(CutImage(image, {1, 0, 1, 1}).empty());
    EXPECT_TRUE(CutImage(image, {2, 0, 1, 1}).empty());
    EXPECT_TRUE(CutImage(image, {0, 0, kMaxImageSide + 1, 1}).empty());
    EXPECT_TRUE(CutImage(image, {INT32_MIN, 0, INT32_MAX, 1}).empty());
}

}  // namespace
}  // namespace nuv
