#pragma once
#include "ports/TextMetrics.h"
#include "win32/KoreanFonts.h"

namespace nuv::win32 {

// Text widths measured with the screen's fonts.
class Win32TextMetrics : public ITextMetrics {
  public:
    explicit Win32TextMetrics(KoreanFonts& fonts) : fonts_(fonts) {}
    ~Win32TextMetrics() override;

    int TextWidth(std::string_view text, const TextFont& font) override;

  private:
    KoreanFonts& fonts_;
    HDC dc_ = nullptr;  // a memory DC kept for measuring
};

}  // namespace nuv::win32
