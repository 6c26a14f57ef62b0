#include "formats/BmpLayout.h"

#include "formats/BmpDecoder.h"

#include <algorithm>

namespace nuv {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

uint32_t U16(std::string_view b, std::size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}
uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

bool Fail(std::string* reason, const char* why) {
    if (reason) *reason = why;
    return false;
}

bool IsKnownHeaderSize(uint32_t size) {
    for (uint32_t known : {12u, 40u, 52u, 56u, 108u, 124u}) {
        if (size == known) return true;
    }
    return false;
}

bool IsValidBitCount(int bits, bool core) {
    if (bits == 1 || bits == 4 || bits == 8 || bits == 24) return true;
    return !core && (bits == 16 || bits == 32);
}

bool IsValidCompression(const BmpLayout& l) {
    switch (l.compression) {
        case kBmpRgb:
            return true;
        case kBmpRle8:
            return l.bitCount == 8 && !l.topDown;
        case kBmpRle4:
            return l.bitCount == 4 && !l.topDown;
        case kBmpBitFields:
        case kBmpAlphaBitFields:
            return l.bitCount == 16 || l.bitCount == 32;
        default:
            return false;
    }
}

// Reads the dimensions, bit count and compression; false when they are not acceptable.
bool ReadInfoHeader(std::string_view file, uint32_t headerSize, int maxSide, BmpLayout* l,
                    std::string* reason) {
    bool core = headerSize == kCoreHeaderSize;
    int64_t width, height;
    if (core) {
        width = U16(file, 18);
        height = U16(file, 20);
        l->bitCount = int(U16(file, 24));
    } else {
        width = int32_t(U32(file, 18));
        height = int32_t(U32(file, 22));
        l->bitCount = int(U16(file, 28));
        l->compression = U32(file, 30);
    }
    if (width <= 0 || height == 0) return Fail(reason, "the picture has no pixels");
    l->topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width > maxSide || height > maxSide || width * height > kMaxBmpPixels) {
        return Fail(reason, "the picture is too large");
    }
    l->width = int(width);
    l->height = int(height);
    if (!IsValidBitCount(l->bitCount, core)) return Fail(reason, "unsupported bits per pixel");
    if (!IsValidCompression(*l)) return Fail(reason, "unsupported compression");
    return true;
}

// Reads the colour masks; returns the offset just past them (or past the header).
bool ReadMasks(std::string_view file, uint32_t headerSize, BmpLayout* l, std::size_t* end,
               std::string* reason) {
    *end = kFileHeaderSize + headerSize;
    if (l->compression != kBmpBitFields && l->compression != kBmpAlphaBitFields) {
        bool wide = l->bitCount == 32;
        l->masks[0] = wide ? 0xFF0000u : 0x7C00u;
        l->masks[1] = wide ? 0x00FF00u : 0x03E0u;
        l->masks[2] = wide ? 0x0000FFu : 0x001Fu;
        return true;
    }
    std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    if (headerSize == kInfoHeaderSize) {
        std::size_t count = l->compression == kBmpBitFields ? 3 : 4;
        if (file.size() < *end + 4 * count) return Fail(reason, "the colour masks are cut short");
        *end += 4 * count;
    }
    for (int i = 0; i < 3; ++i)
        l->masks[i] = U32(file, at + 4 * i);
    return true;
}

// Reads the colour table; returns where the table ends, the default start of the bits.
bool ReadPalette(std::string_view file, uint32_t headerSize, std::size_t start, BmpLayout* l,
                 std::size_t* end, std::string* reason) {
    bool core = headerSize == kCoreHeaderSize;
    std::size_t entrySize = core ? 3 : 4;
    uint32_t used = core ? 0 : U32(file, kFileHeaderSize + 32);
    std::size_t entries = used               ? std::min<uint32_t>(used, 256)
                          : l->bitCount <= 8 ? std::size_t(1) << l->bitCount
                                             : 0;
    *end = start + entries * entrySize;
    if (l->bitCount > 8) return true;
    if (file.size() < *end) return Fail(reason, "the colour table is cut short");
    l->palette.assign(std::size_t(1) << l->bitCount, 0);
    std::size_t usable = std::min(entries, l->palette.size());
    for (std::size_t i = 0; i < usable; ++i) {
        std::size_t at = start + i * entrySize;
        l->palette[i] = MakePixel(uint8_t(file[at + 2]), uint8_t(file[at + 1]), uint8_t(file[at]));
    }
    return true;
}

// The pixel bits: from the file header's offset, or right after the colour table.
bool LocateBits(std::string_view file, std::size_t tableEnd, BmpLayout* l, std::string* reason) {
    uint32_t offset = U32(file, 10);
    l->bitsOffset = offset ? offset : tableEnd;
    if (l->bitsOffset > file.size()) return Fail(reason, "the pixel bits lie past the end");
    l->bitsSize = file.size() - l->bitsOffset;
    bool rle = l->compression == kBmpRle8 || l->compression == kBmpRle4;
    if (rle) {
        uint32_t imageSize = U32(file, kFileHeaderSize + 20);
        if (imageSize) l->bitsSize = std::min<std::size_t>(l->bitsSize, imageSize);
        return true;
    }
    uint64_t stride = BmpStride(l->width, l->bitCount);
    uint64_t lastRow = (uint64_t(l->width) * uint64_t(l->bitCount) + 7) / 8;
    // The last row may lack its padding.
    if (l->bitsSize < stride * uint64_t(l->height - 1) + lastRow) {
        return Fail(reason, "the pixel bits are cut short");
    }
    return true;
}

}  // namespace

bool ReadBmpLayout(std::string_view file, int maxSide, BmpLayout* layout, std::string* reason) {
    *layout = BmpLayout();
    if (file.size() < kFileHeaderSize + 4) return Fail(reason, "the file is too short");
    if (file[0] != 'B' || file[1] != 'M') return Fail(reason, "not a bitmap file");
    uint32_t headerSize = U32(file, kFileHeaderSize);
    if (!IsKnownHeaderSize(headerSize)) return Fail(reason, "unknown information header");
    if (file.size() < kFileHeaderSize + headerSize) {
        return Fail(reason, "the information header is cut short");
    }
    std::size_t masksEnd = 0, tableEnd = 0;
    return ReadInfoHeader(file, headerSize, maxSide, layout, reason) &&
           ReadMasks(file, headerSize, layout, &masksEnd, reason) &&
           ReadPalette(file, headerSize, masksEnd, layout, &tableEnd, reason) &&
           LocateBits(file, tableEnd, layout, reason);
}

}  // namespace nuv
