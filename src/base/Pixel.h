#pragma once
// A colour of a picture.

#include <cstdint>

namespace nuv {

// 0x00RRGGBB; colour keys compare whole values exactly.
using Pixel = uint32_t;

constexpr Pixel MakePixel(uint8_t red, uint8_t green, uint8_t blue) {
    return Pixel(red) << 16 | Pixel(green) << 8 | Pixel(blue);
}
constexpr uint8_t RedOf(Pixel p) {
    return uint8_t(p >> 16);
}
constexpr uint8_t GreenOf(Pixel p) {
    return uint8_t(p >> 8);
}
constexpr uint8_t BlueOf(Pixel p) {
    return uint8_t(p);
}

constexpr Pixel kPureGreen = MakePixel(0, 255, 0);

}  // namespace nuv
