#include "shape/ColorKey.h"

#include <algorithm>
#include <new>
#include <vector>

namespace nuv {

Region MakeColorKeyRegion(const Image& image, Pixel key) {
    RegionWriter writer;
    std::vector<Span> spans;
    for (int y = 0; y < image.height(); ++y) {
        const Pixel* row = image.Row(y);
        spans.clear();
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && row[x] == key)
                ++x;
            int left = x;
            while (x < image.width() && row[x] != key)
                ++x;
            if (x > left) spans.push_back({left, x});
        }
        writer.AddBand(y, y + 1, spans);
    }
    return writer.Finish();
}

Image CutImage(const Image& image, const Rect& rect) {
    if (rect.IsEmpty() || int64_t(rect.right) - rect.left > kMaxImageSide ||
        int64_t(rect.bottom) - rect.top > kMaxImageSide) {
        return {};
    }
    Image piece;
    try {
        piece = Image(rect.Width(), rect.Height());
    } catch (const std::bad_alloc&) {
        return {};
    }
    int left = std::max(rect.left, 0), right = std::min(rect.right, image.width());
    int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, image.height());
    for (int y = top; y < bottom && left < right; ++y) {
        const Pixel* from = image.Row(y) + left;
        std::copy(from, from + (right - left), piece.Row(y - rect.top) + (left - rect.left));
    }
    return piece;
}

}  // namespace nuv
