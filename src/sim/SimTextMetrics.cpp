#include "sim/SimTextMetrics.h"

#include "base/Cp949.h"

namespace nuv {

int CSimTextMetrics::TextWidth(std::string_view text, const TextFont& font) {
    int width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = cp949::CharLength(text, pos);
        if (length == 2) {
            width += doubleWidth.value_or(font.height);
        } else {
            auto it = widths.find(text[pos]);
            width += it != widths.end() ? it->second : byteWidth.value_or(font.height / 2);
        }
        pos += length;
    }
    return width;
}

}  // namespace nuv
