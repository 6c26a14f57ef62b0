#pragma once
// The program's fonts: "굴림" in the sizes the core asks for, or a Korean font that is present
// where 굴림 is missing. Fonts are made once per kind and kept until the cache goes.

#include <map>
#include <string>
#include <tuple>

#include "ports/TextMetrics.h"
#include "win32/GdiObjects.h"

namespace nuv::win32 {

class KoreanFonts {
  public:
    KoreanFonts() = default;
    ~KoreanFonts();
    KoreanFonts(const KoreanFonts&) = delete;
    KoreanFonts& operator=(const KoreanFonts&) = delete;

    // The font for `font`; null only when the system refuses to make one.
    HFONT Get(const TextFont& font);
    // The face the fonts are made with: "굴림" when present, else a present Korean face.
    const std::wstring& Face();
    // Deletes every font made so far.
    void Clear();

  private:
    using Key = std::tuple<int, bool, bool>;
    std::map<Key, HFONT> fonts_;
    std::wstring face_;
};

// The face "굴림" when the system has it, else the first present Korean face of a list of
// common ones, else any face with Hangul; "굴림" when none is found (the font mapper decides).
std::wstring FindKoreanFace();

// A LOGFONT of `face` as the program asks for it: the given cell height, default weight and
// character set, fixed or default pitch, underline.
LOGFONTW MakeLogFont(const std::wstring& face, const TextFont& font);

}  // namespace nuv::win32
