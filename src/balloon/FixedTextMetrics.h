#pragma once
// A text metric without a screen: a single-byte character is half the font height wide
// (rounded down), a double-byte character the font height. Layouts measured with it are exact.

#include "ports/TextMetrics.h"

namespace nuv {

class CFixedTextMetrics : public ITextMetrics {
  public:
    int TextWidth(std::string_view text, const TextFont& font) override;
};

}  // namespace nuv
