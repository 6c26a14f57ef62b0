#include "petart/Canvas.h"

#include <vector>

namespace nuv::art {

void CCanvas::Paint(const CMask& mask, Pixel colour) {
    for (int y = 0; y < height() && y < mask.height(); ++y) {
        for (int x = 0; x < width() && x < mask.width(); ++x) {
            if (mask.Get(x, y)) image_.Set(x, y, colour);
        }
    }
}

void CCanvas::PaintOutlined(const CMask& mask, Pixel fill, Pixel outline) {
    Paint(mask.Dilated(), outline);
    Paint(mask, fill);
}

void CCanvas::FillRect(int x, int y, int w, int h, Pixel colour) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (col >= 0 && row >= 0 && col < width() && row < height())
                image_.Set(col, row, colour);
        }
    }
}

void CCanvas::Stamp(const Image& picture, int x, int y) {
    for (int row = 0; row < picture.height(); ++row) {
        for (int col = 0; col < picture.width(); ++col) {
            Pixel p = picture.At(col, row);
            int tx = x + col, ty = y + row;
            if (p != kPureGreen && tx >= 0 && ty >= 0 && tx < width() && ty < height()) {
                image_.Set(tx, ty, p);
            }
        }
    }
}

CMask CCanvas::Figure() const {
    CMask mask(width(), height());
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x)
            mask.Set(x, y, image_.At(x, y) != kPureGreen);
    }
    return mask;
}

void CCanvas::RingFigure(Pixel outline) {
    CMask figure = Figure();
    CMask ring = figure.Dilated(true);
    ring.Subtract(figure);
    Paint(ring, outline);
}

int CCanvas::FillEnclosedGreen(Pixel colour, Pixel edge) {
    const int w = width(), h = height();
    std::vector<uint8_t> outside(size_t(w) * h, 0);
    std::vector<int> stack;
    auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        size_t i = size_t(y) * w + x;
        if (outside[i] || image_.At(x, y) != kPureGreen) return;
        outside[i] = 1;
        stack.push_back(int(i));
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0);
        push(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        push(0, y);
        push(w - 1, y);
    }
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        int x = i % w, y = i / w;
        push(x - 1, y);
        push(x + 1, y);
        push(x, y - 1);
        push(x, y + 1);
    }
    // Pixels that touch the outside at a corner become outline, so the figure keeps its edge.
    auto outsideAt = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h || outside[size_t(y) * w + x];
    };
    int filled = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (image_.At(x, y) != kPureGreen || outsideAt(x, y)) continue;
            bool corner = outsideAt(x - 1, y - 1) || outsideAt(x + 1, y - 1) ||
                          outsideAt(x - 1, y + 1) || outsideAt(x + 1, y + 1);
            image_.Set(x, y, corner ? edge : colour);
            ++filled;
        }
    }
    return filled;
}

Image MirroredImage(const Image& image) {
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            out.Set(image.width() - 1 - x, y, image.At(x, y));
    }
    return out;
}

Image ScaledImage(const Image& image, int factor) {
    if (factor <= 1) return image;
    Image out(image.width() * factor, image.height() * factor);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x)
            out.Set(x, y, image.At(x / factor, y / factor));
    }
    return out;
}

}  // namespace nuv::art
