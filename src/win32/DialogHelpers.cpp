#include "win32/DialogHelpers.h"

#include "store/Cp949.h"
#include "win32/WideText.h"

namespace nuv::win32 {

void CenterOnScreen(HWND window) {
    RECT area = {}, rect = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window, &rect);
    int x = area.left + ((area.right - area.left) - (rect.right - rect.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (rect.bottom - rect.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string GetItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    int length = item ? GetWindowTextLengthW(item) : 0;
    if (length <= 0) return std::string();
    std::wstring text(std::size_t(length) + 1, L'\0');
    length = GetWindowTextW(item, text.data(), length + 1);
    text.resize(std::size_t(length > 0 ? length : 0));
    return NarrowToCp949(text);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextW(dialog, id, Widen(text).c_str());
}

void KeepWithinBytes(HWND edit, std::size_t maxBytes) {
    int length = GetWindowTextLengthW(edit);
    std::wstring text(std::size_t(length) + 1, L'\0');
    length = GetWindowTextW(edit, text.data(), length + 1);
    text.resize(std::size_t(length > 0 ? length : 0));
    std::string bytes = NarrowToCp949(text);
    if (bytes.size() <= maxBytes) return;
    std::wstring cut = Widen(cp949::CutBytes(bytes, maxBytes));
    SetWindowTextW(edit, cut.c_str());  // sends EN_CHANGE again, now within the limit
    SendMessageW(edit, EM_SETSEL, cut.size(), cut.size());
}

}  // namespace nuv::win32
