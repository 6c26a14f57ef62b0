#pragma once
// A text metric without a screen: a single-byte character is half the font height wide
// (rounded down), a double-byte character the font height, so layouts measured with it are
// exact. A test may give single bytes and double-byte characters widths of its own.

#include <map>
#include <optional>

#include "ports/TextMetrics.h"

namespace nuv {

class CSimTextMetrics : public ITextMetrics {
  public:
    int TextWidth(std::string_view text, const TextFont& font) override;

    std::optional<int> byteWidth;    // every single byte not in `widths`
    std::optional<int> doubleWidth;  // every double-byte character
    std::map<char, int> widths;
};

}  // namespace nuv
