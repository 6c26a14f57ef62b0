#include "win32/KoreanFonts.h"

#include <cwchar>

namespace nuv::win32 {
namespace {

constexpr const wchar_t* kPreferredFaces[] = {L"굴림",        L"Gulim",     L"돋움",
                                              L"Dotum",       L"맑은 고딕", L"Malgun Gothic",
                                              L"NanumGothic", L"바탕",      L"Batang"};

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
    auto* face = reinterpret_cast<std::wstring*>(found);
    if (face->empty()) *face = font->lfFaceName;
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
        if (!EnumerateFace(screen, name, DEFAULT_CHARSET).empty()) {
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
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfUnderline = font.underline ? TRUE : FALSE;
    log.lfPitchAndFamily = font.fixedPitch ? FIXED_PITCH : DEFAULT_PITCH;
    wcsncpy(log.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return log;
}

KoreanFonts::~KoreanFonts() {
    Clear();
}

const std::wstring& KoreanFonts::Face() {
    if (face_.empty()) face_ = FindKoreanFace();
    return face_;
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
