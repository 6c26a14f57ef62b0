#include "win32/Win32PetWindow.h"

#include "shape/Region.h"
#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

constexpr UINT kKeepZOrder = SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

Win32PetWindow::~Win32PetWindow() {
    ReleaseSheet();
}

void Win32PetWindow::ReleaseSheet() {
    if (sheetDC_) {
        SelectObject(sheetDC_, replaced_);
        DeleteMemoryDC(sheetDC_);
    }
    DeleteGdiObject(sheet_);
    sheetDC_ = nullptr;
    sheet_ = nullptr;
    replaced_ = nullptr;
}

void Win32PetWindow::BeginPaintFrame(HDC paintDC) {
    paintDC_ = paintDC;
}

void Win32PetWindow::EndPaintFrame() {
    paintDC_ = nullptr;
    timings_.NoteFirstFrame(MsSinceProcessStart);
}

Rect Win32PetWindow::GetRect() {
    RECT r = {};
    GetWindowRect(hwnd(), &r);
    return {int(r.left), int(r.top), int(r.right), int(r.bottom)};
}

void Win32PetWindow::Move(int x, int y) {
    SetWindowPos(hwnd(), nullptr, x, y, 0, 0, kKeepZOrder | SWP_NOSIZE);
}

void Win32PetWindow::MoveResize(int x, int y, int width, int height) {
    SetWindowPos(hwnd(), nullptr, x, y, width, height, kKeepZOrder);
}

void Win32PetWindow::SetShape(const Region& shape) {
    StopWatch watch;
    // Frames that share a shape only need the new picture.
    if (!hasShape_ || shape.Rects() != shapeRects_) {
        StopWatch regionWatch;
        HRGN region = RectsToRegion(shape.Rects());
        if (region && SetWindowRegion(hwnd(), region, true)) {
            shapeRects_ = shape.Rects();
            hasShape_ = true;
        } else {
            DeleteGdiObject(region);
            hasShape_ = false;
        }
        timings_.region.Add(regionWatch.ElapsedUs());
    }
    // The whole frame is painted anew: a region change alone may repaint only what it uncovers.
    InvalidateRect(hwnd(), nullptr, FALSE);
    timings_.shape.Add(watch.ElapsedUs());
}

void Win32PetWindow::Repaint() {
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void Win32PetWindow::Show(bool visible) {
    ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
}

void Win32PetWindow::SetTopMost(bool topMost) {
    SetWindowPos(hwnd(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32PetWindow::BringToTop() {
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32PetWindow::SetForeground() {
    SetForegroundWindow(hwnd());
}

void Win32PetWindow::StartTimer(int id, uint32_t periodMs) {
    SetTimer(hwnd(), UINT_PTR(id), UINT(periodMs), nullptr);
}

void Win32PetWindow::StopTimer(int id) {
    KillTimer(hwnd(), UINT_PTR(id));
}

uint32_t Win32PetWindow::PrepareSheet(const Image& sheet) {
    ReleaseSheet();
    HDC windowDC = GetDC(hwnd());
    sheetDC_ = NewMemoryDC(windowDC);
    DWORD error = sheetDC_ ? 0 : GetLastError();
    ReleaseDC(hwnd(), windowDC);
    if (!sheetDC_) return error ? error : ERROR_NOT_ENOUGH_MEMORY;
    sheet_ = ImageToDib(sheet);
    if (!sheet_) {
        error = GetLastError();
        ReleaseSheet();
        return error ? error : ERROR_NOT_ENOUGH_MEMORY;
    }
    replaced_ = SelectObject(sheetDC_, sheet_);
    return 0;
}

void Win32PetWindow::PaintFromSheet(const Rect& source) {
    if (!sheetDC_) return;
    StopWatch watch;
    HDC target = paintDC_ ? paintDC_ : GetDC(hwnd());
    BitBlt(target, 0, 0, source.Width(), source.Height(), sheetDC_, source.left, source.top,
           SRCCOPY);
    if (!paintDC_) ReleaseDC(hwnd(), target);
    timings_.paint.Add(watch.ElapsedUs());
}

Point Win32PetWindow::ClientToScreen(Point client) {
    POINT p = {client.x, client.y};
    ::ClientToScreen(hwnd(), &p);
    return {int(p.x), int(p.y)};
}

void Win32PetWindow::BeginMoveLoop(Point screen) {
    PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void Win32PetWindow::SetTitle(const std::string& title) {
    SetWindowTextW(hwnd(), Widen(title).c_str());
}

void Win32PetWindow::SetIcon(int id) {
    icon_ = LoadIconW(context_.instance, MAKEINTRESOURCEW(id));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, LPARAM(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, LPARAM(icon_));
}

void Win32PetWindow::HideFromTaskBar() {
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    style = (style & ~LONG_PTR(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
}

void Win32PetWindow::EndDialog() {
    if (ended_) return;
    ended_ = true;
    ShowWindow(hwnd(), SW_HIDE);
    PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the message loop, which then stops
}

}  // namespace nuv::win32
