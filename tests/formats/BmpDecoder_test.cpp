#include "formats/BmpDecoder.h"

#include <gtest/gtest.h>

#include "support/PictureFiles.h"

namespace nuv {
namespace {

using test::BmpRecipe;
using test::MakeBmp;
using test::PackRows;

constexpr Pixel kRed = MakePixel(255, 0, 0), kBlue = MakePixel(0, 0, 255);
constexpr Pixel kWhite = MakePixel(255, 255, 255), kGrey = MakePixel(128, 128, 128);

// Pixel rows of a decoded picture, top to bottom.
std::vector<std::vector<Pixel>> RowsOf(const Image& image) {
    std::vector<std::vector<Pixel>> rows;
    for (int y = 0; y < image.height(); ++y) {
        rows.emplace_back(image.Row(y), image.Row(y) + image.width());
    }
    return rows;
}

Image Decode(const std::string& file) {
    std::string reason;
    std::optional<Image> image = DecodeBmp(file, &reason);
    EXPECT_TRUE(image) << reason;
    return image ? *image : Image();
}

TEST(DecodeBmp, TwentyFourBitsBottomUpAndTopDown) {
    // Width 3: 9 bytes a row, padded to 12.
    BmpRecipe recipe{40, 3, 2, 24};
    recipe.bits = PackRows({{0x0000FF, 0x00FF00, 0xFF0000}, {0xFFFFFF, 0x000000, 0x808080}}, 24);
    Image bottomUp = Decode(MakeBmp(recipe));
    EXPECT_EQ(bottomUp.sourceBitsPerPixel(), 24);
    EXPECT_EQ(RowsOf(bottomUp),
              (std::vector<std::vector<Pixel>>{{kWhite, 0, kGrey}, {kBlue, kPureGreen, kRed}}));
    recipe.height = -2;
    Image topDown = Decode(MakeBmp(recipe));
    EXPECT_EQ(topDown.height(), 2);
    EXPECT_EQ(RowsOf(topDown),
              (std::vector<std::vector<Pixel>>{{kBlue, kPureGreen, kRed}, {kWhite, 0, kGrey}}));
}

TEST(DecodeBmp, WriterRoundTrips) {
    Image image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            image.Set(x, y, MakePixel(uint8_t(x * 50), uint8_t(y * 90), 7));
    }
    EXPECT_EQ(Decode(EncodeBmp24(image)), image);
}

TEST(DecodeBmp, IndexedColoursWithFullAndShortTables) {
    BmpRecipe one{40, 10, 1, 1};
    one.palette = {kRed, kBlue};
    one.bits = PackRows({{0, 1, 1, 0, 0, 0, 0, 0, 1, 0}}, 1);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(one)))[0],
              (std::vector<Pixel>{kRed, kBlue, kBlue, kRed, kRed, kRed, kRed, kRed, kBlue, kRed}));

    // Three colours of sixteen: the others are black.
    BmpRecipe four{40, 3, 1, 4};
    four.palette = {kRed, kPureGreen, kBlue};
    four.colorsUsed = 3;
    four.bits = PackRows({{2, 1, 9}}, 4);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(four)))[0], (std::vector<Pixel>{kBlue, kPureGreen, 0}));

    BmpRecipe eight{40, 2, 1, 8};
    eight.palette.assign(256, kGrey);
    eight.palette[200] = kWhite;
    eight.bits = PackRows({{200, 3}}, 8);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(eight)))[0], (std::vector<Pixel>{kWhite, kGrey}));

    // A colour count above 256 reads 256 entries.
    eight.colorsUsed = 100000;
    EXPECT_EQ(RowsOf(Decode(MakeBmp(eight)))[0], (std::vector<Pixel>{kWhite, kGrey}));
}

TEST(DecodeBmp, SixteenBitsWidenToFullRange) {
    BmpRecipe plain{40, 3, 1, 16};  // 5-5-5
    plain.bits = PackRows({{0x7FFF, 0x03E0, 0x7C00}}, 16);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(plain)))[0], (std::vector<Pixel>{kWhite, kPureGreen, kRed}));

    BmpRecipe masked{40, 2, 1, 16, 3};  // 5-6-5
    masked.masks = {0xF800, 0x07E0, 0x001F};
    masked.bits = PackRows({{0x07E0, 0x8410}}, 16);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(masked)))[0],
              (std::vector<Pixel>{kPureGreen, MakePixel(132, 130, 132)}));
}

TEST(DecodeBmp, ThirtyTwoBitsDropAlpha) {
    BmpRecipe plain{40, 2, 1, 32};
    plain.bits = PackRows({{0xFF00FF00, 0x12345678}}, 32);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(plain)))[0], (std::vector<Pixel>{kPureGreen, 0x345678}));

    BmpRecipe masked{40, 1, 1, 32, 3};  // red in the top byte
    masked.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
    masked.bits = PackRows({{0x11223344}}, 32);
    EXPECT_EQ(Decode(MakeBmp(masked)).At(0, 0), MakePixel(0x11, 0x22, 0x33));

    BmpRecipe alpha{40, 1, 1, 32, 6};  // four masks after the header
    alpha.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
    alpha.bits = PackRows({{0x11223344}}, 32);
    EXPECT_EQ(Decode(MakeBmp(alpha)).At(0, 0), MakePixel(0x33, 0x22, 0x11));
}

TEST(DecodeBmp, EveryHeaderKind) {
    const std::string bits = PackRows({{0x00FF00}}, 24);
    for (uint32_t size : {12u, 40u, 52u, 56u, 108u, 124u}) {
        BmpRecipe recipe{size, 1, 1, 24};
        recipe.bits = bits;
        EXPECT_EQ(Decode(MakeBmp(recipe)).At(0, 0), kPureGreen) << size;
    }
    // Masks inside a V4 header.
    BmpRecipe v4{108, 1, 1, 16, 3};
    v4.masks = {0xF800, 0x07E0, 0x001F, 0};
    v4.bits = PackRows({{0xF800}}, 16);
    EXPECT_EQ(Decode(MakeBmp(v4)).At(0, 0), kRed);
    // Core header: three-byte colour entries, the full table.
    BmpRecipe core{12, 2, 1, 1};
    core.palette = {kBlue, kWhite};
    core.bits = PackRows({{1, 0}}, 1);
    EXPECT_EQ(RowsOf(Decode(MakeBmp(core)))[0], (std::vector<Pixel>{kWhite, kBlue}));
}

TEST(DecodeBmp, BitsOffsetAndPadding) {
    BmpRecipe recipe{40, 1, 2, 8};
    recipe.palette = {kRed, kBlue};
    recipe.colorsUsed = 2;
    recipe.bits = PackRows({{1}, {0}}, 8);
    recipe.gap = 6;  // the offset skips bytes after the table
    EXPECT_EQ(RowsOf(Decode(MakeBmp(recipe))), (std::vector<std::vector<Pixel>>{{kRed}, {kBlue}}));
    recipe.gap = 0;
    recipe.zeroBitsOffset = true;  // 0: right after the table
    EXPECT_EQ(RowsOf(Decode(MakeBmp(recipe))), (std::vector<std::vector<Pixel>>{{kRed}, {kBlue}}));
    // The last row may go without its padding.
    recipe.zeroBitsOffset = false;
    recipe.bits.resize(recipe.bits.size() - 3);
    EXPECT_TRUE(DecodeBmp(MakeBmp(recipe)));
    recipe.bits.pop_back();
    EXPECT_FALSE(DecodeBmp(MakeBmp(recipe)));
}

}  // namespace
}  // namespace nuv
