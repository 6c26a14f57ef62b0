#include "win32/DibImage.h"

#include <cstring>

#include "win32/GdiObjects.h"

namespace nuv::win32 {
namespace {

constexpr long long kMaxPixels = 1LL << 26;  // 256 MB of pixels is far beyond any pet picture

bool UsableSize(int width, int height) {
    return width > 0 && height > 0 && (long long)width * height <= kMaxPixels;
}

}  // namespace

BITMAPINFO TopDownDibInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP ImageToDib(const Image& image) {
    if (image.empty() || !UsableSize(image.width(), image.height())) return nullptr;
    BITMAPINFO info = TopDownDibInfo(image.width(), image.height());
    void* bits = nullptr;
    HBITMAP bitmap = NewDibSection(info, &bits);
    if (!bitmap || !bits) {
        DeleteGdiObject(bitmap);
        return nullptr;
    }
    GdiFlush();
    std::memcpy(bits, image.pixels().data(), image.pixels().size() * sizeof(Pixel));
    return bitmap;
}

void MakeOpaque(HBITMAP dib) {
    DIBSECTION section = {};
    if (!dib || GetObjectW(dib, sizeof(section), &section) != int(sizeof(section))) return;
    const BITMAP& bits = section.dsBm;
    if (bits.bmBitsPixel != 32 || !bits.bmBits) return;
    GdiFlush();
    auto* row = static_cast<unsigned char*>(bits.bmBits);
    const int height = bits.bmHeight < 0 ? -bits.bmHeight : bits.bmHeight;
    for (int y = 0; y < height; ++y, row += bits.bmWidthBytes) {
        for (int x = 0; x < bits.bmWidth; ++x)
            row[4 * x + 3] = 0xFF;
    }
}

Image BitmapToImage(HBITMAP bitmap) {
    BITMAP header;
    if (!bitmap || GetObjectW(bitmap, sizeof(header), &header) != int(sizeof(header))) {
        return Image();
    }
    int width = header.bmWidth;
    int height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    if (!UsableSize(width, height)) return Image();
    Image image(width, height);
    BITMAPINFO info = TopDownDibInfo(width, height);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, UINT(height), image.Row(0), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) return Image();
    for (int y = 0; y < height; ++y) {
        Pixel* row = image.Row(y);
        for (int x = 0; x < width; ++x)
            row[x] &= 0x00FFFFFF;
    }
    return image;
}

}  // namespace nuv::win32
