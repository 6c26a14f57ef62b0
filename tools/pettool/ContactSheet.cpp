#include "pettool/ContactSheet.h"

#include <algorithm>
#include <string>

namespace nuv::tool {
namespace {

// Rows of 3 bits, top to bottom, for the digits 0 to 9.
const unsigned char kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

const Pixel kBackdrop = MakePixel(250, 250, 250);
const Pixel kLabel = MakePixel(60, 60, 60);
const Pixel kCheckLight = MakePixel(236, 236, 236);
const Pixel kCheckDark = MakePixel(214, 214, 214);
constexpr int kGap = 8;
constexpr int kLabelScale = 2;
constexpr int kLabelHeight = 5 * kLabelScale + 4;

Pixel Checker(int x, int y) {
    return ((x / 8 + y / 8) & 1) ? kCheckDark : kCheckLight;
}

void Stamp(Image& target, const Image& picture, int left, int top) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            target.Set(left + x, top + y, picture.At(x, y));
    }
}

}  // namespace

void DrawNumber(Image& image, int x, int y, int number, int scale, Pixel colour) {
    std::string text = std::to_string(number);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        const unsigned char* rows = kDigits[text[i] - '0'];
        for (int row = 0; row < 5 * scale; ++row) {
            for (int col = 0; col < 3 * scale; ++col) {
                int px = x + int(i) * 4 * scale + col, py = y + row;
                bool on = (rows[row / scale] >> (2 - col / scale)) & 1;
                if (on && px >= 0 && py >= 0 && px < image.width() && py < image.height()) {
                    image.Set(px, py, colour);
                }
            }
        }
    }
}

Image LayOut(const std::vector<Image>& pictures, int width, bool labels, int first) {
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int labelRoom = labels ? kLabelHeight : 0;
    int x = kGap, y = kGap, rowHeight = 0, right = 0;
    for (const Image& picture : pictures) {
        if (x > kGap && x + picture.width() + kGap > width) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y + labelRoom});
        x += picture.width() + kGap;
        right = std::max(right, x);
        rowHeight = std::max(rowHeight, labelRoom + picture.height());
    }
    Image sheet(std::max(right, 1), y + rowHeight + kGap, kBackdrop);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        Stamp(sheet, pictures[i], places[i].x, places[i].y);
        if (labels) {
            DrawNumber(sheet, places[i].x, places[i].y - kLabelHeight + 1, first + int(i),
                       kLabelScale, kLabel);
        }
    }
    return sheet;
}

std::vector<Image> CutFrames(const Image& sheet, const CRegionData& regions) {
    std::vector<Image> frames;
    int w = regions.frameWidth(), h = regions.frameHeight(), perRow = regions.framesPerRow();
    for (int n = 0; n < regions.count() && perRow > 0; ++n) {
        int left = n % perRow * w, top = n / perRow * h;
        std::optional<Region> shape = regions.GetRegionHandle(n);
        Image frame(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                bool inside = left + x < sheet.width() && top + y < sheet.height();
                bool shown = inside && shape && shape->Contains(x, y);
                frame.Set(x, y, shown ? sheet.At(left + x, top + y) : Checker(x, y));
            }
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

Image CutPicture(const Image& picture, const Rect& rect) {
    Image out(std::max(rect.Width(), 0), std::max(rect.Height(), 0));
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int sx = rect.left + x, sy = rect.top + y;
            bool inside = sx >= 0 && sy >= 0 && sx < picture.width() && sy < picture.height();
            Pixel p = inside ? picture.At(sx, sy) : kPureGreen;
            out.Set(x, y, p == kPureGreen ? Checker(x, y) : p);
        }
    }
    return out;
}

Image Scaled(const Image& image, int scale) {
    if (scale <= 1) return image;
    Image out(image.width() * scale, image.height() * scale);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x)
            out.Set(x, y, image.At(x / scale, y / scale));
    }
    return out;
}

}  // namespace nuv::tool
