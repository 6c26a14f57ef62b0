#include <gtest/gtest.h>

#include "formats/BmpDecoder.h"
#include "support/PictureFiles.h"

namespace nuv {
namespace {

using test::BmpRecipe;
using test::MakeBmp;

const Pixel kColours[] = {MakePixel(1, 1, 1), MakePixel(255, 0, 0), kPureGreen,
                          MakePixel(0, 0, 255)};

BmpRecipe RleSpec(int bitCount, int width, int height, std::string bits) {
    BmpRecipe recipe{40, width, height, uint16_t(bitCount), bitCount == 8 ? 1u : 2u};
    recipe.palette.assign(kColours, kColours + 4);
    recipe.colorsUsed = 4;
    recipe.bits = std::move(bits);
    recipe.imageSize = uint32_t(recipe.bits.size());
    return recipe;
}

// The picture as palette indices, top row first ('.' for a pixel of no table colour).
std::string Indices(const Image& image) {
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
        if (y) out += '/';
        for (int x = 0; x < image.width(); ++x) {
            char c = '.';
            for (int i = 0; i < 4; ++i) {
                if (image.At(x, y) == kColours[i]) c = char('0' + i);
            }
            out += c;
        }
    }
    return out;
}

std::string DecodeIndices(const BmpRecipe& recipe) {
    std::string reason;
    std::optional<Image> image = DecodeBmp(MakeBmp(recipe), &reason);
    EXPECT_TRUE(image) << reason;
    return image ? Indices(*image) : "";
}

TEST(DecodeBmpRle8, RunsLiteralsLineEndsAndDeltas) {
    // Bottom row: run of three 1s, literal 2 3 2 (padded), end of line.
    // Next row: delta (1, 0), run of one 3, end of picture.
    std::string bits("\x03\x01\x00\x03\x02\x03\x02\x00\x00\x00\x00\x02\x01\x00\x01\x03\x00\x01",
                     18);
    EXPECT_EQ(DecodeIndices(RleSpec(8, 6, 3, bits)), "000000/030000/111232");
}

TEST(DecodeBmpRle8, PixelsPastTheRowAreDroppedAndDataMayEndEarly) {
    // A run of 9 into a row of 4, then the data simply ends.
    std::string bits("\x09\x02\x00\x00\x02\x01", 6);
    EXPECT_EQ(DecodeIndices(RleSpec(8, 4, 2, bits)), "1100/2222");
    // A literal cut short ends decoding with what was drawn.
    std::string cut("\x02\x03\x00\x05\x01\x02", 6);
    EXPECT_EQ(DecodeIndices(RleSpec(8, 4, 1, cut)), "3300");
    // Deltas far past the picture end it.
    std::string far("\x00\x02\xFF\xFF\x01\x01", 6);
    EXPECT_EQ(DecodeIndices(RleSpec(8, 2, 1, far)), "00");
}

TEST(DecodeBmpRle4, NibblesAlternateInRunsAndLiterals) {
    // Run of 5 alternating 1 and 2; literal of 3 nibbles 3 0 1 (two bytes, even: no padding);
    // end of line; run of 2 of 3 3.
    std::string bits("\x05\x12\x00\x03\x30\x10\x00\x00\x02\x33\x00\x01", 12);
    EXPECT_EQ(DecodeIndices(RleSpec(4, 8, 2, bits)), "33000000/12121301");
}

TEST(DecodeBmpRle, ImageSizeLimitsTheData) {
    std::string bits("\x02\x01\x02\x02", 4);
    BmpRecipe recipe = RleSpec(8, 4, 1, bits);
    recipe.imageSize = 2;  // only the first run counts
    EXPECT_EQ(DecodeIndices(recipe), "1100");
}

}  // namespace
}  // namespace nuv
