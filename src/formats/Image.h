#pragma once
// A picture in memory: 32-bit pixels, top-down rows.

#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "base/Pixel.h"

namespace nuv {

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
