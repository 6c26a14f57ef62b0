#include "zoom/Zoom.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace nuv {

int ZoomUp(int v, int n) {
    int64_t up = int64_t(v) * n;
    return int(std::clamp<int64_t>(up, INT_MIN, INT_MAX));
}

Monitor ZoomDown(const Monitor& m, int n) {
    return {-ZoomDown(-m.left, n), -ZoomDown(-m.top, n), ZoomDown(m.right, n),
            ZoomDown(m.ground, n), m.scale};
}

int AutoZoom(double scale) {
    if (!std::isfinite(scale)) return 1;
    double zoom = std::floor(scale + 0.25);
    return zoom < 1 ? 1 : zoom > kMaxZoom ? kMaxZoom : int(zoom);
}

int ZoomSettingOf(const std::optional<std::string>& text) {
    if (text && text->size() == 1 && (*text)[0] >= '1' && (*text)[0] <= '0' + kMaxZoom)
        return (*text)[0] - '0';
    return kAutoZoom;
}

std::string ZoomSettingText(int setting) {
    return setting >= 1 && setting <= kMaxZoom ? std::to_string(setting) : "auto";
}

Image ZoomImage(const Image& picture, int n) {
    if (n <= 1 || picture.empty()) return picture;
    Image out(picture.width() * n, picture.height() * n);
    for (int y = 0; y < picture.height(); ++y) {
        const Pixel* from = picture.Row(y);
        Pixel* row = out.Row(y * n);
        for (int x = 0; x < picture.width(); ++x)
            std::fill_n(row + x * n, n, from[x]);
        for (int copy = 1; copy < n; ++copy)
            std::copy(row, row + out.width(), out.Row(y * n + copy));
    }
    out.setSourceBitsPerPixel(picture.sourceBitsPerPixel());
    return out;
}

}  // namespace nuv
