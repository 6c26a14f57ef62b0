#include "formats/BmpPixels.h"

namespace nuv {
namespace {

// One colour component under a mask, widened or narrowed to 8 bits. Narrow components
// repeat their bits (31 of 5 bits becomes 255), so pure colours stay pure.
class MaskChannel {
  public:
    explicit MaskChannel(uint32_t mask) : mask_(mask) {
        if (mask == 0) return;
        while (!(mask >> shift_ & 1))
            ++shift_;
        for (uint32_t m = mask >> shift_; m; m >>= 1)
            ++bits_;
        if (bits_ > 8) return;
        for (uint32_t v = 0; v < (1u << bits_); ++v)
            table_[v] = Widen(v, bits_);
    }
    uint8_t operator()(uint32_t value) const {
        uint32_t v = (value & mask_) >> shift_;
        return bits_ <= 8 ? table_[v] : uint8_t(v >> (bits_ - 8));
    }

  private:
    static uint8_t Widen(uint32_t v, int bits) {
        uint32_t out = 0;
        int filled = 0;
        while (filled < 8) {
            out = out << bits | v;
            filled += bits;
        }
        return uint8_t(out >> (filled - 8));
    }

    uint32_t mask_;
    int shift_ = 0;
    int bits_ = 0;
    uint8_t table_[256] = {};
};

void IndexedRow(const uint8_t* in, const BmpLayout& l, Pixel* out) {
    const int bits = l.bitCount;
    const int perByte = 8 / bits;
    const uint32_t low = (1u << bits) - 1;
    for (int x = 0; x < l.width; ++x) {
        int shift = 8 - bits * (x % perByte + 1);
        out[x] = l.palette[in[x / perByte] >> shift & low];
    }
}

void Row24(const uint8_t* in, int width, Pixel* out) {
    for (int x = 0; x < width; ++x, in += 3)
        out[x] = MakePixel(in[2], in[1], in[0]);
}

void Row32(const uint8_t* in, int width, Pixel* out) {
    for (int x = 0; x < width; ++x, in += 4)
        out[x] = MakePixel(in[2], in[1], in[0]);
}

struct MaskedRows {
    explicit MaskedRows(const BmpLayout& l)
        : red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]) {}
    void Row(const uint8_t* in, int width, int bytes, Pixel* out) const {
        for (int x = 0; x < width; ++x, in += bytes) {
            uint32_t v = in[0] | uint32_t(in[1]) << 8;
            if (bytes == 4) v |= uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
            out[x] = MakePixel(red(v), green(v), blue(v));
        }
    }
    MaskChannel red, green, blue;
};

bool IsPlain32(const BmpLayout& l) {
    return l.bitCount == 32 && l.masks[0] == 0xFF0000u && l.masks[1] == 0xFF00u &&
           l.masks[2] == 0xFFu;
}

}  // namespace

void UnpackBmpRows(const uint8_t* bits, const BmpLayout& l, Image& image) {
    const std::size_t stride = std::size_t(BmpStride(l.width, l.bitCount));
    const MaskedRows masked(l);
    for (int row = 0; row < l.height; ++row) {
        const uint8_t* in = bits + stride * std::size_t(row);
        Pixel* out = image.Row(l.topDown ? row : l.height - 1 - row);
        if (l.bitCount <= 8)
            IndexedRow(in, l, out);
        else if (l.bitCount == 24)
            Row24(in, l.width, out);
        else if (IsPlain32(l))
            Row32(in, l.width, out);
        else
            masked.Row(in, l.width, l.bitCount / 8, out);
    }
}

}  // namespace nuv
