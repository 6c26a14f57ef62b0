#pragma once
// Overview pictures of a pet root for people who want to see a pet before running it.

#include <vector>

#include "formats/Image.h"
#include "shape/RegionData.h"

namespace nuv::tool {

// Pictures laid out left to right in rows no wider than `width` (a wider picture gets a row of
// its own), each under a number label when `labels` is set. The numbers count from `first`.
Image LayOut(const std::vector<Image>& pictures, int width, bool labels, int first = 0);

// The frames of a picture sheet as the desktop shows them: where the frame's region leaves a
// pixel out, a light checkerboard shows through.
std::vector<Image> CutFrames(const Image& sheet, const CRegionData& regions);

// The pixels of `picture` inside `rect`; pure green (the transparent colour) as checkerboard.
Image CutPicture(const Image& picture, const Rect& rect);

// Every pixel as a square of `scale` x `scale` pixels.
Image Scaled(const Image& image, int scale);

// Writes the decimal number in a 3 x 5 pixel digit font grown `scale` times.
void DrawNumber(Image& image, int x, int y, int number, int scale, Pixel colour);

}  // namespace nuv::tool
