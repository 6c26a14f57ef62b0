#include "win32/Win32ObjectWindow.h"

#include "resource.h"
#include "shape/Region.h"
#include "win32/DialogHelpers.h"
#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"

namespace nuv::win32 {

Win32ObjectWindow::Win32ObjectWindow(ShellContext& context) {
    hwnd_ = CreateDialogParamW(context.instance, MAKEINTRESOURCEW(IDD_OBJECT), nullptr, Proc,
                               LPARAM(this));
    if (!hwnd_) return;
    LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, (style & ~LONG_PTR(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW);
}

Win32ObjectWindow::~Win32ObjectWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
    DeleteGdiObject(picture_);
}

void Win32ObjectWindow::Place(Point position, Size size) {
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, position.x, position.y, size.width, size.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32ObjectWindow::SetPicture(const Image& picture, const Region& shape, const Rect& source) {
    DeleteGdiObject(picture_);
    picture_ = ImageToDib(picture);
    pictureSize_ = {source.Width(), source.Height()};
    if (!hwnd_) return;
    HRGN region = RectsToRegion(shape.Rects());
    if (region && !SetWindowRegion(hwnd_, region, true)) DeleteGdiObject(region);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32ObjectWindow::Show(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void Win32ObjectWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    if (picture_) {
        HDC memory = NewMemoryDC(dc);
        HGDIOBJ old = SelectObject(memory, picture_);
        BitBlt(dc, 0, 0, pictureSize_.width, pictureSize_.height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteMemoryDC(memory);
    }
    EndPaint(hwnd_, &paint);
}

INT_PTR CALLBACK Win32ObjectWindow::Proc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    auto* self = DialogState<Win32ObjectWindow>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case WM_ERASEBKGND:
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_PAINT:
            if (!self || self->hwnd_ != dialog) return FALSE;
            self->Paint();
            return TRUE;
    }
    return FALSE;
}

std::unique_ptr<IObjectWindow> Win32ObjectWindows::CreateObjectWindow() {
    return std::make_unique<Win32ObjectWindow>(context_);
}

}  // namespace nuv::win32
