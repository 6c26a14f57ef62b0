#include "formats/BmpDecoder.h"

#include <new>

#include "formats/BmpLayout.h"
#include "formats/BmpPixels.h"

namespace nuv {
namespace {

void PutU16(std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8 & 0xFF);
}
void PutU32(std::string& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

}  // namespace

std::optional<Image> DecodeBmp(std::string_view file, std::string* reason, int maxSide) {
    BmpLayout layout;
    if (!ReadBmpLayout(file, maxSide, &layout, reason)) return std::nullopt;
    Image image;
    try {
        bool rle = layout.compression == kBmpRle8 || layout.compression == kBmpRle4;
        image = Image(layout.width, layout.height, rle ? layout.palette[0] : 0);
    } catch (const std::bad_alloc&) {
        if (reason) *reason = "not enough memory for the picture";
        return std::nullopt;
    }
    const auto* bits = reinterpret_cast<const uint8_t*>(file.data()) + layout.bitsOffset;
    if (layout.compression == kBmpRle8 || layout.compression == kBmpRle4) {
        UnpackBmpRle(bits, layout.bitsSize, layout, image);
    } else {
        UnpackBmpRows(bits, layout, image);
    }
    image.setSourceBitsPerPixel(layout.bitCount);
    return image;
}

std::string EncodeBmp24(const Image& image) {
    const uint32_t stride = uint32_t(BmpStride(image.width(), 24));
    const uint32_t bitsSize = stride * uint32_t(image.height());
    const uint32_t offset = 14 + 40;
    std::string out;
    out.reserve(offset + bitsSize);
    out += "BM";
    PutU32(out, offset + bitsSize);
    PutU32(out, 0);
    PutU32(out, offset);
    for (uint32_t v : {40u, uint32_t(image.width()), uint32_t(image.height())})
        PutU32(out, v);
    PutU16(out, 1);
    PutU16(out, 24);
    for (uint32_t v : {0u, bitsSize, 2835u, 2835u, 0u, 0u})
        PutU32(out, v);  // 72 dpi
    for (int y = image.height() - 1; y >= 0; --y) {
        const Pixel* row = image.Row(y);
        for (int x = 0; x < image.width(); ++x) {
            out += char(BlueOf(row[x]));
            out += char(GreenOf(row[x]));
            out += char(RedOf(row[x]));
        }
        out.append(stride - uint32_t(image.width()) * 3, '\0');
    }
    return out;
}

}  // namespace nuv
