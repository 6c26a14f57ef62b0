#include "win32/Win32LoadingWindow.h"

#include <commctrl.h>

#include <string>

#include "formats/BcfImage.h"
#include "resource.h"
#include "win32/DialogHelpers.h"
#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/KoreanFonts.h"

namespace nuv::win32 {
namespace {

constexpr RECT kNumbersArea = {80, 133, 450, 148};
constexpr DWORD kRepaintMs = 40;

}  // namespace

Win32LoadingWindow::~Win32LoadingWindow() {
    Close();
}

void Win32LoadingWindow::Open(int range) {
    Close();
    seconds_ = 0;
    percentage_ = 0;
    range_ = range;
    lastRepaint_ = GetTickCount();
    background_ = ImageToDib(LoadBCFImage(*context_.files, ".\\PETS\\PETLOAD.BCF"));
    window_ = CreateDialogParamW(context_.instance, MAKEINTRESOURCEW(IDD_LOADING), nullptr, Proc,
                                 LPARAM(this));
    if (!window_) return;
    ApplyDialogFont(window_, context_.DialogFont());
    SendDlgItemMessageW(window_, IDC_LOADING_PROGRESS, PBM_SETRANGE32, 0, range);
    CenterOnScreen(window_);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

void Win32LoadingWindow::Report(int seconds, int percentage, int position) {
    if (!window_) return;
    // The window is repainted when its seconds change, at most every kRepaintMs otherwise, and
    // at the end: a fast load needs a few pictures, not one per step.
    const DWORD now = GetTickCount();
    const bool due = seconds != seconds_ || now - lastRepaint_ >= kRepaintMs || position >= range_;
    seconds_ = seconds;
    percentage_ = percentage;
    if (!due) return;
    lastRepaint_ = now;
    SendDlgItemMessageW(window_, IDC_LOADING_PROGRESS, PBM_SETPOS, WPARAM(position), 0);
    InvalidateRect(window_, &kNumbersArea, FALSE);
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32LoadingWindow::Close() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    DeleteGdiObject(background_);
    background_ = nullptr;
}

void Win32LoadingWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (background_) {
        BITMAP size = {};
        GetObjectW(background_, sizeof(size), &size);
        HDC memory = NewMemoryDC(dc);
        HGDIOBJ old = SelectObject(memory, background_);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteMemoryDC(memory);
    } else {
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkMode(dc, TRANSPARENT);
    HFONT font = context_.DialogFont();
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    std::wstring seconds = std::to_wstring(seconds_), percentage = std::to_wstring(percentage_);
    TextOutW(dc, 80, 133, seconds.c_str(), int(seconds.size()));
    TextOutW(dc, 360, 133, percentage.c_str(), int(percentage.size()));
    if (font) SelectObject(dc, oldFont);
    EndPaint(window_, &paint);
}

INT_PTR CALLBACK Win32LoadingWindow::Proc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    auto* self = DialogState<Win32LoadingWindow>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_ERASEBKGND:
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);  // the paint covers everything
            return TRUE;
        case WM_PAINT:
            if (!self || self->window_ != dialog) return FALSE;
            self->Paint();
            return TRUE;
    }
    return FALSE;
}

}  // namespace nuv::win32
