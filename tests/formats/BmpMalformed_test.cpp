#include <gtest/gtest.h>

#include <functional>

#include "base/Random.h"
#include "formats/BmpDecoder.h"
#include "support/PictureFiles.h"

namespace nuv {
namespace {

using test::BmpRecipe;
using test::MakeBmp;
using test::PackRows;

BmpRecipe Valid8Bit() {
    BmpRecipe recipe{40, 3, 2, 8};
    recipe.palette = {0x111111, 0x222222};
    recipe.colorsUsed = 2;
    recipe.bits = PackRows({{0, 1, 0}, {1, 1, 0}}, 8);
    return recipe;
}

void WriteU32(std::string& file, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = char(v >> (8 * i) & 0xFF);
}

TEST(DecodeBmp, RefusesBrokenHeaders) {
    struct Case {
        const char* name;
        std::function<void(BmpRecipe&)> change;
    };
    const Case cases[] = {
        {"unknown header size", [](BmpRecipe& s) { s.headerSize = 64; }},
        {"zero width", [](BmpRecipe& s) { s.width = 0; }},
        {"negative width", [](BmpRecipe& s) { s.width = -3; }},
        {"zero height", [](BmpRecipe& s) { s.height = 0; }},
        {"lowest height", [](BmpRecipe& s) { s.height = INT32_MIN; }},
        {"too wide", [](BmpRecipe& s) { s.width = kMaxBmpSide + 1; }},
        {"too high", [](BmpRecipe& s) { s.height = -(kMaxBmpSide + 1); }},
        // Run-length encoding lets a file of a few bytes declare any size.
        {"too many pixels", [](BmpRecipe& s) { s.compression = 1, s.width = s.height = 16384; }},
        {"too many pixels in a row",
         [](BmpRecipe& s) { s.compression = 1, s.width = 4097, s.height = 4096; }},
        {"2 bits", [](BmpRecipe& s) { s.bitCount = 2; }},
        {"0 bits", [](BmpRecipe& s) { s.bitCount = 0; }},
        {"jpeg", [](BmpRecipe& s) { s.compression = 4; }},
        {"png", [](BmpRecipe& s) { s.compression = 5; }},
        {"rle4 of 8 bits", [](BmpRecipe& s) { s.compression = 2; }},
        {"top-down rle", [](BmpRecipe& s) { s.compression = 1, s.height = -2; }},
        {"masks for 8 bits", [](BmpRecipe& s) { s.compression = 3; }},
        {"core header with 16 bits", [](BmpRecipe& s) { s.headerSize = 12, s.bitCount = 16; }},
        {"table cut short", [](BmpRecipe& s) { s.colorsUsed = 0, s.bits.clear(); }},
    };
    for (const Case& c : cases) {
        BmpRecipe recipe = Valid8Bit();
        c.change(recipe);
        std::string reason;
        EXPECT_FALSE(DecodeBmp(MakeBmp(recipe), &reason)) << c.name;
        EXPECT_FALSE(reason.empty()) << c.name;
    }
    std::string file = MakeBmp(Valid8Bit());
    file[1] = 'A';
    EXPECT_FALSE(DecodeBmp(file));
    BmpRecipe largest = Valid8Bit();
    largest.compression = 1;
    largest.width = largest.height = 4096;
    EXPECT_TRUE(DecodeBmp(MakeBmp(largest)));
}

TEST(DecodeBmp, RefusesEveryTruncation) {
    BmpRecipe masked{40, 2, 2, 16, 3};
    masked.masks = {0xF800, 0x07E0, 0x001F};
    masked.bits = PackRows({{1, 2}, {3, 4}}, 16);
    // Everything but the last row's padding is needed: the 8-bit rows have one byte of it.
    const std::pair<std::string, std::size_t> files[] = {{MakeBmp(Valid8Bit()), 1},
                                                         {MakeBmp(masked), 0}};
    for (const auto& [file, padding] : files) {
        std::size_t needed = file.size() - padding;
        for (std::size_t size = 0; size < needed; ++size) {
            EXPECT_FALSE(DecodeBmp(file.substr(0, size))) << size;
        }
        EXPECT_TRUE(DecodeBmp(file.substr(0, needed)));
    }
}

TEST(DecodeBmp, RefusesOffsetsPastTheEnd) {
    std::string file = MakeBmp(Valid8Bit());
    WriteU32(file, 10, uint32_t(file.size()) + 1);
    EXPECT_FALSE(DecodeBmp(file));
    WriteU32(file, 10, 0xFFFFFFFF);
    EXPECT_FALSE(DecodeBmp(file));
    // A huge picture whose bits the file does not hold.
    BmpRecipe big = Valid8Bit();
    big.width = kMaxBmpSide;
    big.height = kMaxBmpSide;
    EXPECT_FALSE(DecodeBmp(MakeBmp(big)));
}

TEST(DecodeBmp, SurvivesDamagedFiles) {
    // Damaged copies of every kind of file: none may crash or read outside the file (the
    // sanitizer build watches); small limits keep the run short.
    BmpRecipe rle{40, 16, 16, 8, 1};
    rle.palette = {1, 2, 3};
    rle.colorsUsed = 3;
    rle.bits = std::string("\x05\x01\x00\x03\x01\x02\x01\x00\x00\x00\x00\x02\x03\x04\x00\x01", 16);
    BmpRecipe masked{108, 3, -2, 32, 3};
    masked.masks = {0xFF, 0xFF00, 0xFF0000, 0};
    masked.bits = PackRows({{1, 2, 3}, {4, 5, 6}}, 32);
    CRandom random;
    random.Seed(7);
    for (const std::string& original : {MakeBmp(Valid8Bit()), MakeBmp(rle), MakeBmp(masked)}) {
        for (int round = 0; round < 3000; ++round) {
            std::string file = original;
            for (int n = random.Next() % 4; n >= 0; --n)
                file[random.Next() % file.size()] = char(random.Next());
            if (random.Next() % 4 == 0) file.resize(random.Next() % file.size());
            std::optional<Image> image = DecodeBmp(file, nullptr, 64);
            if (image) {
                EXPECT_GT(image->width(), 0);
                EXPECT_GT(image->height(), 0);
            }
        }
    }
}

}  // namespace
}  // namespace nuv
