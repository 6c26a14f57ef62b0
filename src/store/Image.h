#pragma once
// A picture in memory: 32-bit pixels, top-down rows.

#include <cstdint>
#include <vector>

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

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size& o) const { return width == o.width && height == o.height; }
};

class Image {
  public:
    Image() = default;
    Image(int width, int height, Pixel fill = 0)
        : width_(width), height_(height), pixels_(std::size_t(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    // The bits per pixel of the file the picture was decoded from (0 when made in memory).
    int sourceBitsPerPixel() const { return sourceBits_; }
    void setSourceBitsPerPixel(int bits) { sourceBits_ = bits; }

    Pixel At(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
    void Set(int x, int y, Pixel p) { pixels_[std::size_t(y) * width_ + x] = p; }
    Pixel* Row(int y) { return pixels_.data() + std::size_t(y) * width_; }
    const Pixel* Row(int y) const { return pixels_.data() + std::size_t(y) * width_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }

    bool operator==(const Image& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    int sourceBits_ = 0;
    std::vector<Pixel> pixels_;
};

// True when a piece of `size` (both sides positive) fits into `picture`.
inline bool FitsIn(Size size, const Image& picture) {
    return size.width > 0 && size.height > 0 && size.width <= picture.width() &&
           size.height <= picture.height();
}

}  // namespace nuv
