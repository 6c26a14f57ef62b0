#pragma once
// The program's fonts: one face that is present and holds Hangul (굴림 where it is installed),
// in the sizes the core asks for and the size of the dialogs. Fonts are made once per kind and
// kept until the cache goes.

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
    // The font of the dialogs' controls: the face at 9 points.
    HFONT DialogFont();
    // The face the fonts are made with (see FindKoreanFace).
    const std::wstring& Face();
    // Deletes every font made so far.
    void Clear();

  private:
    using Key = std::tuple<int, bool, bool>;
    std::map<Key, HFONT> fonts_;
    std::wstring face_;
};

// The first face of 굴림, 맑은 고딕 and NanumGothic that the system has with Hangul, else any
// face of the Hangul character set; "굴림" when none is found (the font mapper decides).
std::wstring FindKoreanFace();

// Gives `font` to a dialog and every control in it (WM_SETFONT), so that texts of the
// template's face show where that face is missing.
void ApplyDialogFont(HWND dialog, HFONT font);

// A LOGFONT of `face` as the program asks for it: the given cell height, default weight, the
// Hangul character set, fixed or default pitch, underline.
LOGFONTW MakeLogFont(const std::wstring& face, const TextFont& font);

}  // namespace nuv::win32
