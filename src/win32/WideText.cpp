#include "win32/WideText.h"

#include <climits>

#include "win32/WinApi.h"

namespace nuv::win32 {

bool WidenCp949(std::string_view text, std::wstring* out, bool strict) {
    out->clear();
    if (text.empty()) return true;
    if (text.size() > INT_MAX) return false;
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int length = int(text.size());
    int needed = MultiByteToWideChar(kKoreanCodePage, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) return false;
    out->resize(std::size_t(needed));
    if (MultiByteToWideChar(kKoreanCodePage, flags, text.data(), length, out->data(), needed) !=
        needed) {
        out->clear();
        return false;
    }
    return true;
}

std::wstring Widen(std::string_view text) {
    std::wstring out;
    WidenCp949(text, &out);
    return out;
}

std::string NarrowToCp949(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 2) return std::string();
    const int length = int(text.size());
    int needed =
        WideCharToMultiByte(kKoreanCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return std::string();
    std::string out(std::size_t(needed), '\0');
    WideCharToMultiByte(kKoreanCodePage, 0, text.data(), length, out.data(), needed, nullptr,
                        nullptr);
    return out;
}

}  // namespace nuv::win32
