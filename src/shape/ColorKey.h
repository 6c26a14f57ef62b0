#pragma once
// Shapes and pieces of pictures.

#include "formats/Image.h"
#include "shape/Region.h"

namespace nuv {

// The pixels of `image` whose colour differs from `key`, as a region in picture coordinates
// (0, 0) .. (width, height). A picture without the key colour gives its whole rectangle; one
// made only of it gives an empty region.
Region MakeColorKeyRegion(const Image& image, Pixel key);

// The part of `image` inside `rect`, as a picture of the rectangle's size. Parts of the
// rectangle outside the image are black. An empty rectangle, or one with a side longer than
// kMaxImageSide, gives an empty picture.
Image CutImage(const Image& image, const Rect& rect);

constexpr int kMaxImageSide = 16384;

}  // namespace nuv
