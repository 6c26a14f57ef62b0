#include "win32/Win32TextMetrics.h"

#include "win32/WideText.h"

namespace nuv::win32 {

Win32TextMetrics::~Win32TextMetrics() {
    DeleteMemoryDC(dc_);
}

int Win32TextMetrics::TextWidth(std::string_view text, const TextFont& font) {
    if (text.empty()) return 0;
    if (!dc_) dc_ = NewMemoryDC(nullptr);
    if (!dc_) return 0;
    std::wstring wide = Widen(text);
    HGDIOBJ old = SelectObject(dc_, fonts_.Get(font));
    SIZE size = {};
    GetTextExtentPoint32W(dc_, wide.c_str(), int(wide.size()), &size);
    SelectObject(dc_, old);
    return int(size.cx);
}

}  // namespace nuv::win32
