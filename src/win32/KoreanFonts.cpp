#include "win32/KoreanFonts.h"

#include <cwchar>

#include "win32/ShellContext.h"

namespace nuv::win32 {
namespace {

// Each face under its Korean and its English name: the system may list either.
constexpr const wchar_t* kPreferredFaces[] = {L"굴림",          L"Gulim",       L"맑은 고딕",
                                              L"Malgun Gothic", L"NanumGothic", L"나눔고딕"};
constexpr int kDialogPoints = 9;

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
    auto* face = reinterpret_cast<std::wstring*>(found);
    if (font->lfFaceName[0] == L'@') return 1;  // a face for vertical writing
    *face = font->lfFaceName;
    return 0;  // the first one is enough
}

// The first face of `charset` named `name` (any face when `name` is empty), or empty.
std::wstring EnumerateFace(HDC dc, const wchar_t* name, BYTE charset) {
    LOGFONTW query = {};
    query.lfCharSet = charset;
    if (name) wcsncpy(query.lfFaceName, name, LF_FACESIZE - 1);
    std::wstring found;
    EnumFontFamiliesExW(dc, &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

std::wstring FindKoreanFace() {
    HDC screen = GetDC(nullptr);
    std::wstring face;
    for (const wchar_t* name : kPreferredFaces) {
        if (!EnumerateFace(screen, name, HANGEUL_CHARSET).empty()) {
            face = name;
            break;
        }
    }
    if (face.empty()) face = EnumerateFace(screen, nullptr, HANGEUL_CHARSET);
    ReleaseDC(nullptr, screen);
    return face.empty() ? std::wstring(L"굴림") : face;
}

LOGFONTW MakeLogFont(const std::wstring& face, const TextFont& font) {
    LOGFONTW log = {};
    log.lfHeight = font.height;
    log.lfWeight = FW_DONTCARE;
    log.lfCharSet = HANGEUL_CHARSET;  // where the face is missing, the mapper takes one with Hangul
    log.lfUnderline = font.underline ? TRUE : FALSE;
    log.lfPitchAndFamily = font.fixedPitch ? FIXED_PITCH : DEFAULT_PITCH;
    wcsncpy(log.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return log;
}

BOOL CALLBACK SetControlFont(HWND control, LPARAM font) {
    SendMessageW(control, WM_SETFONT, WPARAM(font), TRUE);
    return TRUE;
}

void ApplyDialogFont(HWND dialog, HFONT font) {
    if (!dialog || !font) return;
    SendMessageW(dialog, WM_SETFONT, WPARAM(font), FALSE);
    EnumChildWindows(dialog, SetControlFont, LPARAM(font));
}

HFONT ShellContext::DialogFont() const {
    return fonts ? fonts->DialogFont() : nullptr;
}

KoreanFonts::~KoreanFonts() {
    Clear();
}

const std::wstring& KoreanFonts::Face() {
    if (face_.empty()) face_ = FindKoreanFace();
    return face_;
}

HFONT KoreanFonts::DialogFont() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return Get(TextFont{-MulDiv(kDialogPoints, dpi, 72), false, false});
}

HFONT KoreanFonts::Get(const TextFont& font) {
    Key key{font.height, font.fixedPitch, font.underline};
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    HFONT made = NewFont(MakeLogFont(Face(), font));
    if (made) fonts_.emplace(key, made);
    return made;
}

void KoreanFonts::Clear() {
    for (auto& [key, font] : fonts_)
        DeleteGdiObject(font);
    fonts_.clear();
}

}  // namespace nuv::win32
