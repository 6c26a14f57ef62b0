#include "base/Cp949.h"

#include <array>
#include <memory>

namespace nuv::cp949 {
namespace {

constexpr unsigned kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr unsigned kTrailFirst = 0x41, kTrailLast = 0xFE;
constexpr unsigned kTrailCount = kTrailLast - kTrailFirst + 1;

const uint16_t kDoubleByteTable[] = {
#include "base/Cp949Table.inc"
};
static_assert(sizeof(kDoubleByteTable) / sizeof(uint16_t) ==
              (kLeadLast - kLeadFirst + 1) * kTrailCount);

// UTF-16 code -> double-byte code (lead << 8 | trail), built once on first use.
const std::array<uint16_t, 65536>& ReverseTable() {
    static const std::unique_ptr<std::array<uint16_t, 65536>> table = [] {
        auto t = std::make_unique<std::array<uint16_t, 65536>>();
        t->fill(0);
        for (unsigned lead = kLeadFirst; lead <= kLeadLast; ++lead) {
            for (unsigned trail = kTrailFirst; trail <= kTrailLast; ++trail) {
                uint16_t code =
                    kDoubleByteTable[(lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst)];
                if (code != 0 && (*t)[code] == 0) (*t)[code] = uint16_t(lead << 8 | trail);
            }
        }
        return t;
    }();
    return *table;
}

void AppendUtf8(uint32_t code, std::string* out) {
    if (code < 0x80) {
        out->push_back(char(code));
    } else if (code < 0x800) {
        out->push_back(char(0xC0 | (code >> 6)));
        out->push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out->push_back(char(0xE0 | (code >> 12)));
        out->push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(char(0x80 | (code & 0x3F)));
    } else {
        out->push_back(char(0xF0 | (code >> 18)));
        out->push_back(char(0x80 | ((code >> 12) & 0x3F)));
        out->push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(char(0x80 | (code & 0x3F)));
    }
}

// Decodes one UTF-8 sequence; returns false for malformed input.
bool NextUtf8(std::string_view s, std::size_t* pos, uint32_t* code) {
    unsigned char b = s[*pos];
    int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || *pos + extra >= s.size()) return false;
    uint32_t c = extra == 0 ? b : b & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        unsigned char t = s[*pos + i];
        if ((t & 0xC0) != 0x80) return false;
        c = c << 6 | (t & 0x3F);
    }
    *pos += extra + 1;
    *code = c;
    return true;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return byte >= kLeadFirst && byte <= kLeadLast;
}

std::size_t CharLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); i += CharLength(out, i)) {
        if (out[i] >= 'A' && out[i] <= 'Z') out[i] = char(out[i] - 'A' + 'a');
    }
    return out;
}

std::string CutBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + CharLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

uint16_t DecodeChar(std::string_view text, std::size_t pos, std::size_t* length) {
    unsigned char lead = text[pos];
    if (!IsLeadByte(lead) || pos + 1 >= text.size()) {
        *length = 1;
        return lead < 0x80 ? lead : 0;
    }
    *length = 2;
    unsigned char trail = text[pos + 1];
    if (trail < kTrailFirst || trail > kTrailLast) return 0;
    return kDoubleByteTable[(lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst)];
}

std::string EncodeChar(uint16_t code) {
    if (code < 0x80) return std::string(1, char(code));
    uint16_t pair = ReverseTable()[code];
    if (pair == 0) return {};
    return std::string{char(pair >> 8), char(pair & 0xFF)};
}

std::string ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        uint16_t code = DecodeChar(text, i, &length);
        bool valid = code != 0 || text[i] == '\0';
        AppendUtf8(valid ? code : 0xFFFD, &out);
        i += length;
    }
    return out;
}

bool FromUtf8(std::string_view utf8, std::string* cp949Out) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        uint32_t code = 0;
        if (!NextUtf8(utf8, &i, &code) || code > 0xFFFF) return false;
        std::string bytes = EncodeChar(uint16_t(code));
        if (bytes.empty()) return false;
        out += bytes;
    }
    *cp949Out = std::move(out);
    return true;
}

}  // namespace nuv::cp949
