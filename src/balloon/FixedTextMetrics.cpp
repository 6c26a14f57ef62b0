#include "balloon/FixedTextMetrics.h"

#include "base/Cp949.h"

namespace nuv {

int CFixedTextMetrics::TextWidth(std::string_view text, const TextFont& font) {
    int width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = cp949::CharLength(text, pos);
        width += length == 2 ? font.height : font.height / 2;
        pos += length;
    }
    return width;
}

}  // namespace nuv
