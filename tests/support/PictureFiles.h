#pragma once
// Bitmap and region files built in code for tests, benchmarks and fuzzing seeds.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/Image.h"

namespace nuv::test {

struct BmpRecipe {
    BmpRecipe(uint32_t header, int32_t w, int32_t h, uint16_t bits, uint32_t compressionKind = 0)
        : headerSize(header), width(w), height(h), bitCount(bits), compression(compressionKind) {}

    uint32_t headerSize = 40;  // 12, 40, 52, 56, 108, 124 (or anything else, to test refusal)
    int32_t width = 0;
    int32_t height = 0;  // negative: top-down
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> masks;  // after a 40-byte header, else inside the header
    std::vector<Pixel> palette;   // 4 bytes an entry (3 with the core header)
    uint32_t colorsUsed = 0;
    uint32_t imageSize = 0;
    bool zeroBitsOffset = false;  // leave the file header's offset of the bits 0
    uint32_t gap = 0;             // bytes between the colour table and the bits
    std::string bits;             // the pixel bits as stored
};

std::string MakeBmp(const BmpRecipe& recipe);

// Rows of pixel values packed as a file stores them (each row padded to 4 bytes), rows given
// in file order.
std::string PackRows(const std::vector<std::vector<uint32_t>>& rows, int bitCount);

struct RgnRun {
    uint16_t x = 0, y = 0, length = 0;
};

// A region file with the given header; the frame records follow in order.
std::string MakeRgn(uint16_t count, uint16_t framesPerRow, uint16_t frameWidth,
                    uint16_t frameHeight, const std::vector<std::vector<RgnRun>>& frames);

}  // namespace nuv::test
