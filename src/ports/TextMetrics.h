#pragma once
#include <string>

namespace nuv {

// A font of the face 굴림 as the program asks for it.
struct FontSpec {
    int height = 12;
    bool fixedPitch = false;
    bool underline = false;
};

class ITextMetrics {
public:
    virtual ~ITextMetrics() = default;
    // Width in pixels of a code page 949 text in `font`.
    virtual int TextWidth(const std::string& text, const FontSpec& font) = 0;
};

}  // namespace nuv
