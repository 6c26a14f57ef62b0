#include "support/PictureFiles.h"

namespace nuv::test {
namespace {

void PutU16(std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8 & 0xFF);
}
void PutU32(std::string& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

std::string InfoHeader(const BmpRecipe& s) {
    std::string h;
    PutU32(h, s.headerSize);
    if (s.headerSize == 12) {
        PutU16(h, uint32_t(s.width));
        PutU16(h, uint32_t(s.height));
        PutU16(h, 1);
        PutU16(h, s.bitCount);
        return h;
    }
    PutU32(h, uint32_t(s.width));
    PutU32(h, uint32_t(s.height));
    PutU16(h, 1);
    PutU16(h, s.bitCount);
    for (uint32_t v : {s.compression, s.imageSize, 2835u, 2835u, s.colorsUsed, 0u})
        PutU32(h, v);
    if (s.headerSize > 40) {
        for (uint32_t m : s.masks)
            PutU32(h, m);
    }
    h.resize(s.headerSize, '\0');
    return h;
}

}  // namespace

std::string MakeBmp(const BmpRecipe& s) {
    std::string body = InfoHeader(s);
    if (s.headerSize == 40) {
        for (uint32_t m : s.masks)
            PutU32(body, m);
    }
    for (Pixel p : s.palette) {
        body += char(BlueOf(p));
        body += char(GreenOf(p));
        body += char(RedOf(p));
        if (s.headerSize != 12) body += '\0';
    }
    body.append(s.gap, '\x5A');
    std::string file = "BM";
    uint32_t offset = 14 + uint32_t(body.size());
    PutU32(file, offset + uint32_t(s.bits.size()));
    PutU32(file, 0);
    PutU32(file, s.zeroBitsOffset ? 0 : offset);
    return file + body + s.bits;
}

std::string PackRows(const std::vector<std::vector<uint32_t>>& rows, int bitCount) {
    std::string out;
    for (const auto& row : rows) {
        std::string bytes;
        if (bitCount < 8) {
            bytes.assign((row.size() * bitCount + 7) / 8, '\0');
            for (std::size_t x = 0; x < row.size(); ++x) {
                int shift = 8 - bitCount * int(x % (8 / bitCount) + 1);
                bytes[x * bitCount / 8] = char(uint8_t(bytes[x * bitCount / 8]) | row[x] << shift);
            }
        } else {
            for (uint32_t v : row) {
                for (int b = 0; b < bitCount / 8; ++b)
                    bytes += char(v >> (8 * b) & 0xFF);
            }
        }
        bytes.resize((bytes.size() + 3) / 4 * 4, '\0');
        out += bytes;
    }
    return out;
}

std::string MakeRgn(uint16_t count, uint16_t framesPerRow, uint16_t frameWidth,
                    uint16_t frameHeight, const std::vector<std::vector<RgnRun>>& frames) {
    std::string out;
    for (uint16_t v : {count, framesPerRow, frameWidth, frameHeight})
        PutU16(out, v);
    for (const auto& runs : frames) {
        PutU16(out, uint32_t(runs.size()));
        for (const RgnRun& r : runs) {
            PutU16(out, r.x);
            PutU16(out, r.y);
            PutU16(out, r.length);
        }
    }
    return out;
}

}  // namespace nuv::test
