#pragma once
// Windows bitmap files decoded in memory: what the system's image loader reads.
//
// Headers: core (12 bytes), information (40), V2/V3 (52/56), V4 (108) and V5 (124). Pixels:
// 1, 4 and 8 bits with a colour table (shorter tables leave the other colours black), 16 and 32
// bits plain or with colour masks, 24 bits; run-length encoded 4 and 8 bits. Rows bottom-up or
// top-down. Alpha is dropped. A file that is malformed, cut short or larger than allowed gives
// no picture, never a partial one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/Image.h"

namespace nuv {

// Limits of a decoded picture. A pet's largest picture is its frame sheet: the sample pet's
// 205 frames of 128 x 128 are 3.4 million pixels. Sixteen million pixels (64 MiB decoded)
// leave room for pets five times that size while a small run-length encoded file can no
// longer declare a picture of gigabytes.
constexpr int kMaxBmpSide = 16384;
constexpr int64_t kMaxBmpPixels = int64_t(1) << 24;

// The picture of `file` (at most `maxSide` pixels a side and kMaxBmpPixels in all), or nothing (and
// the reason in `reason`, when given).
std::optional<Image> DecodeBmp(std::string_view file, std::string* reason = nullptr,
                               int maxSide = kMaxBmpSide);

// A bottom-up 24-bit bitmap file of `image`.
std::string EncodeBmp24(const Image& image);

}  // namespace nuv
