#pragma once
// The headers of a Windows bitmap file, checked and reduced to what decoding needs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Image.h"

namespace nuv {

enum BmpCompression : uint32_t {
    kBmpRgb = 0,
    kBmpRle8 = 1,
    kBmpRle4 = 2,
    kBmpBitFields = 3,
    kBmpAlphaBitFields = 6,
};

struct BmpLayout {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kBmpRgb;
    uint32_t masks[3] = {};      // red, green, blue for 16 and 32 bits per pixel
    std::vector<Pixel> palette;  // 2^bitCount colours up to 8 bits; absent entries are black
    std::size_t bitsOffset = 0;  // where the pixel bits start in the file
    std::size_t bitsSize = 0;    // how many bytes of pixel bits the file holds from there
};

// Reads and checks the file header, the information header (core, 40-byte, V2/V3 with masks,
// V4, V5), the masks and the colour table. Every size and offset is checked against the file;
// sides longer than `maxSide` and pictures of more than kMaxBmpPixels are refused. On failure
// returns false and says why in `reason`.
bool ReadBmpLayout(std::string_view file, int maxSide, BmpLayout* layout, std::string* reason);

// Bytes of one stored row, padded to four bytes; 64 bits so that no width can overflow it.
inline uint64_t BmpStride(int width, int bitCount) {
    return (uint64_t(width) * uint64_t(bitCount) + 31) / 32 * 4;
}

}  // namespace nuv
