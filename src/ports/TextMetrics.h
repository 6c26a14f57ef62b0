#pragma once
// Text measurement: how wide a code page 949 text is in a given font. The shell measures with
// the screen font; the simulated desktop and the tests with a fixed metric.

#include <string_view>

namespace nuv {

// A font of the program's one face ("굴림"), default weight and character set.
struct TextFont {
    int height = 12;          // character height in pixels
    bool fixedPitch = false;  // fixed pitch instead of the face's default pitch
    bool underline = false;

    bool operator==(const TextFont& o) const {
        return height == o.height && fixedPitch == o.fixedPitch && underline == o.underline;
    }
};

class ITextMetrics {
  public:
    virtual ~ITextMetrics() = default;
    // Width in pixels of `text` (code page 949 bytes) drawn in `font`.
    virtual int TextWidth(std::string_view text, const TextFont& font) = 0;
};

}  // namespace nuv
