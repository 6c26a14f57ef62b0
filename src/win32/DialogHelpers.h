#pragma once
// Small helpers shared by the program's dialogs.

#include <string>

#include "win32/WinApi.h"

namespace nuv::win32 {

// Centres `window` on the work area of its owner's monitor (the pet's), else the primary one.
void CenterOnScreen(HWND window);
// The text of a dialog control as code page 949 bytes.
std::string GetItemText(HWND dialog, int id);
// Sets a dialog control's text from code page 949 bytes.
void SetItemText(HWND dialog, int id, const std::string& text);
// Keeps what the user types into `edit` a value the files can hold: the field separator is
// not taken when typed (WM_CHAR). Call KeepUserText on EN_CHANGE as well, for pasted text.
void RefuseFieldSeparator(HWND edit);
// Keeps an edit control's text without field separators and within `maxBytes` of code page
// 949: the text is cut (never inside a double-byte character) whenever it grows beyond.
// Call on EN_CHANGE.
void KeepUserText(HWND edit, std::size_t maxBytes = std::string::npos);
// A message box (MessageBoxW) whose controls use `font` when one is given: set as the box
// opens, the text's control grown to hold the text in that font. Returns the button pressed.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                   HFONT font);
// The object a dialog procedure keeps in DWLP_USER (set from WM_INITDIALOG's lParam).
template <class T>
T* DialogState(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return reinterpret_cast<T*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace nuv::win32
