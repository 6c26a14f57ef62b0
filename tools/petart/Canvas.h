#pragma once
// A picture being drawn: pure green where nothing is painted.

#include "formats/Image.h"
#include "petart/Mask.h"

namespace nuv::art {

class CCanvas {
  public:
    CCanvas(int width, int height) : image_(width, height, kPureGreen) {}
    explicit CCanvas(Image image) : image_(std::move(image)) {}

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const Image& image() const { return image_; }
    Image& image() { return image_; }
    CMask EmptyMask() const { return CMask(width(), height()); }

    void Paint(const CMask& mask, Pixel colour);
    // The shape in its colour with a one-pixel line of `outline` around it.
    void PaintOutlined(const CMask& mask, Pixel fill, Pixel outline);
    void FillRect(int x, int y, int w, int h, Pixel colour);
    // Copies `picture` to (x, y), leaving out its pure green pixels.
    void Stamp(const Image& picture, int x, int y);

    // Every painted pixel.
    CMask Figure() const;
    // Puts a line of `outline` around the whole figure, touching it also at the corners.
    void RingFigure(Pixel outline);
    // Paints the green pixels that cannot reach the picture's border, in `edge` where they touch
    // the outside at a corner; returns how many there were.
    int FillEnclosedGreen(Pixel colour, Pixel edge);

  private:
    Image image_;
};

// The picture mirrored around its vertical centre line.
Image MirroredImage(const Image& image);
// Every pixel repeated `factor` times in both directions.
Image ScaledImage(const Image& image, int factor);

}  // namespace nuv::art
