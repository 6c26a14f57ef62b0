#include "win32/DialogHelpers.h"

#include <algorithm>
#include <cwchar>

#include <commctrl.h>

#include "base/Cp949.h"
#include "base/TextFunctions.h"
#include "win32/KoreanFonts.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

struct MessageBoxFont {
    HHOOK hook = nullptr;
    HFONT font = nullptr;
};
thread_local MessageBoxFont* tMessageBoxFont = nullptr;

RECT ChildRect(HWND parent, HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The size `control`'s text needs in `font`.
SIZE TextExtent(HWND control, HFONT font) {
    int length = GetWindowTextLengthW(control);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(std::max(GetWindowTextW(control, text.data(), length + 1), 0)));
    RECT need = {0, 0, 0, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), int(text.size()), &need, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {need.right, need.bottom};
}

struct BoxLayout {
    HWND box;
    HFONT font;
    SIZE grow;
};

// Grows the box's text control to its text; the box and its buttons follow.
BOOL CALLBACK GrowText(HWND control, LPARAM lParam) {
    auto* layout = reinterpret_cast<BoxLayout*>(lParam);
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    if (_wcsicmp(kind, L"Static") != 0 || GetWindowTextLengthW(control) == 0) return TRUE;
    RECT rect = ChildRect(layout->box, control);
    SIZE need = TextExtent(control, layout->font);
    layout->grow.cx = std::max(layout->grow.cx, need.cx - (rect.right - rect.left));
    layout->grow.cy = std::max(layout->grow.cy, need.cy - (rect.bottom - rect.top));
    SetWindowPos(control, nullptr, 0, 0, std::max<LONG>(need.cx, rect.right - rect.left),
                 std::max<LONG>(need.cy, rect.bottom - rect.top), SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

BOOL CALLBACK MoveButton(HWND control, LPARAM lParam) {
    auto* layout = reinterpret_cast<BoxLayout*>(lParam);
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    if (_wcsicmp(kind, L"Button") != 0) return TRUE;
    RECT rect = ChildRect(layout->box, control);
    SetWindowPos(control, nullptr, rect.left + layout->grow.cx / 2, rect.top + layout->grow.cy, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
}

void FitMessageBox(HWND box, HFONT font) {
    ApplyDialogFont(box, font);
    BoxLayout layout{box, font, {0, 0}};
    EnumChildWindows(box, GrowText, LPARAM(&layout));
    if (layout.grow.cx <= 0 && layout.grow.cy <= 0) return;
    layout.grow = {std::max<LONG>(layout.grow.cx, 0), std::max<LONG>(layout.grow.cy, 0)};
    EnumChildWindows(box, MoveButton, LPARAM(&layout));
    RECT rect = {};
    GetWindowRect(box, &rect);
    SetWindowPos(box, nullptr, rect.left - layout.grow.cx / 2, rect.top - layout.grow.cy / 2,
                 rect.right - rect.left + layout.grow.cx, rect.bottom - rect.top + layout.grow.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK OnBoxActivating(int code, WPARAM wParam, LPARAM lParam) {
    MessageBoxFont* state = tMessageBoxFont;
    if (!state) return 0;
    HHOOK hook = state->hook;
    wchar_t kind[16] = {};
    if (code == HCBT_ACTIVATE && state->font && GetClassNameW(HWND(wParam), kind, 16) &&
        std::wcscmp(kind, L"#32770") == 0) {
        FitMessageBox(HWND(wParam), state->font);
        state->font = nullptr;  // once: later activations are other windows
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                   HFONT font) {
    MessageBoxFont state{nullptr, font};
    MessageBoxFont* outer = tMessageBoxFont;
    if (font) {
        state.hook = SetWindowsHookExW(WH_CBT, OnBoxActivating, nullptr, GetCurrentThreadId());
        if (state.hook) tMessageBoxFont = &state;
    }
    int pressed = MessageBoxW(owner, text.c_str(), caption.c_str(), style);
    if (state.hook) UnhookWindowsHookEx(state.hook);
    tMessageBoxFont = outer;
    return pressed;
}

void CenterOnScreen(HWND window) {
    RECT area = {}, rect = {};
    HWND owner = GetWindow(window, GW_OWNER);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTOPRIMARY);
    if (monitor && GetMonitorInfoW(monitor, &info)) {
        area = info.rcWork;
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
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

namespace {

LRESULT CALLBACK DropSeparator(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (message == WM_CHAR && wParam == WPARAM(kFieldSeparator)) return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, DropSeparator, 0);
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void RefuseFieldSeparator(HWND edit) {
    if (edit) SetWindowSubclass(edit, DropSeparator, 0, 0);
}

void KeepUserText(HWND edit, std::size_t maxBytes) {
    int length = GetWindowTextLengthW(edit);
    std::wstring text(std::size_t(length) + 1, L'\0');
    length = GetWindowTextW(edit, text.data(), length + 1);
    text.resize(std::size_t(length > 0 ? length : 0));
    const std::string typed = NarrowToCp949(text);
    std::string kept = WithoutFieldSeparators(typed);
    if (kept.size() > maxBytes) kept = cp949::CutBytes(kept, maxBytes);
    if (kept == typed) return;
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, 0, LPARAM(&caret));
    caret = std::min<DWORD>(caret, DWORD(text.size()));
    caret -= DWORD(std::count(text.begin(), text.begin() + caret, wchar_t(kFieldSeparator)));
    std::wstring shown = Widen(kept);
    caret = std::min<DWORD>(caret, DWORD(shown.size()));
    SetWindowTextW(edit, shown.c_str());  // sends EN_CHANGE again, now with nothing to change
    SendMessageW(edit, EM_SETSEL, caret, caret);
}

}  // namespace nuv::win32
