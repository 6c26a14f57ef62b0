#include "win32/Win32BalloonWindow.h"

#include <algorithm>
#include <vector>

#include "resource.h"
#include "win32/BalloonPainting.h"
#include "win32/GdiObjects.h"
#include "win32/LastResort.h"
#include "win32/RegionHandle.h"

namespace nuv::win32 {
namespace {

// The core's timer ids start at 0; window timers are kept apart from 0.
constexpr UINT_PTR kTimerBase = 1;

std::vector<Win32BalloonWindow*>& OpenBalloons() {
    static std::vector<Win32BalloonWindow*> balloons;
    return balloons;
}

void Forget(Win32BalloonWindow* balloon) {
    auto& open = OpenBalloons();
    open.erase(std::remove(open.begin(), open.end(), balloon), open.end());
}

}  // namespace

Win32BalloonWindow::Win32BalloonWindow(ShellContext& context, KoreanFonts& fonts)
    : context_(context), fonts_(fonts) {}

Win32BalloonWindow::~Win32BalloonWindow() {
    Forget(this);
    if (hwnd_) {
        HWND window = hwnd_;
        hwnd_ = nullptr;
        events_ = nullptr;
        SetWindowLongPtrW(window, DWLP_USER, 0);  // the window goes without this object
        DestroyWindow(window);
    }
    ReleasePicture();
}

bool Win32BalloonWindow::Create(int width, int height, IBalloonWindowEvents& events) {
    if (hwnd_) return false;
    events_ = &events;
    hwnd_ = CreateDialogParamW(context_.instance, MAKEINTRESOURCEW(IDD_BALLOON), GetDesktopWindow(),
                               Proc, LPARAM(this));
    if (!hwnd_) return false;
    LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, (style & ~LONG_PTR(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW);
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OpenBalloons().push_back(this);
    return true;
}

void Win32BalloonWindow::SetShape(const std::vector<Rect>& rects) {
    if (!hwnd_) return;
    HRGN region = RectsToRegion(rects);
    if (region && !SetWindowRegion(hwnd_, region, true)) DeleteGdiObject(region);
}

void Win32BalloonWindow::MoveTo(int x, int y) {
    if (hwnd_) SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32BalloonWindow::Show() {
    // Shown without taking the keyboard from the program the user works in; a click on the
    // balloon gives it the focus (and Escape or Enter then close it).
    if (hwnd_) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

void Win32BalloonWindow::BringToTop() {
    if (hwnd_) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Win32BalloonWindow::Draw(const BalloonDrawing& drawing) {
    if (!hwnd_) return;
    RECT client = {};
    GetClientRect(hwnd_, &client);
    ReleasePicture();
    pictureSize_ = {int(client.right), int(client.bottom)};
    picture_ = PaintBalloon(drawing, pictureSize_, fonts_);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32BalloonWindow::StartTimer(int id, int milliseconds) {
    if (hwnd_) SetTimer(hwnd_, kTimerBase + UINT_PTR(id), UINT(milliseconds), nullptr);
}

void Win32BalloonWindow::StopTimer(int id) {
    if (hwnd_) KillTimer(hwnd_, kTimerBase + UINT_PTR(id));
}

void Win32BalloonWindow::ShowLinkCursor() {
    SetCursor(LoadCursorW(nullptr, IDC_UPARROW));
}

void Win32BalloonWindow::Destroy() {
    // OnDestroyed may delete this object before DestroyWindow returns: nothing follows it.
    if (HWND window = hwnd_) DestroyWindow(window);
}

void Win32BalloonWindow::ReportKey(BalloonKey key) {
    if (events_) events_->OnKey(key);
}

void Win32BalloonWindow::ReleasePicture() {
    DeleteGdiObject(picture_);
    picture_ = nullptr;
}

void Win32BalloonWindow::Paint() {
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

void Win32BalloonWindow::OnDestroy() {
    HWND window = hwnd_;
    IBalloonWindowEvents* events = events_;
    Forget(this);
    hwnd_ = nullptr;
    events_ = nullptr;
    SetWindowLongPtrW(window, DWLP_USER, 0);
    ReleasePicture();
    if (events) events->OnDestroyed();  // last: it may delete this object
}

INT_PTR Win32BalloonWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_PAINT:
            Paint();
            return TRUE;
        case WM_TIMER:
            if (wParam >= kTimerBase && events_) events_->OnTimer(int(wParam - kTimerBase));
            return TRUE;
        case WM_MOUSEMOVE:
            if (events_) events_->OnMouseMove(short(LOWORD(lParam)), short(HIWORD(lParam)));
            return TRUE;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && events_ && events_->OnSetCursor()) {
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        case WM_LBUTTONDOWN:
            return events_ && events_->OnLButtonDown(short(LOWORD(lParam)), short(HIWORD(lParam)));
        case WM_COMMAND:
            return TRUE;  // no dialog commands: Escape and Enter come through the key report
        case WM_DESTROY:
            OnDestroy();
            return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK Win32BalloonWindow::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<Win32BalloonWindow*>(lParam)->hwnd_ = dialog;
        return FALSE;
    }
    auto* self = reinterpret_cast<Win32BalloonWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    return CatchForLoop(INT_PTR(FALSE), [&] { return self->Handle(message, wParam, lParam); });
}

std::unique_ptr<IBalloonWindow> Win32BalloonWindows::CreateBalloonWindow() {
    return std::make_unique<Win32BalloonWindow>(context_, fonts_);
}

bool PreTranslateBalloonKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam != VK_ESCAPE && message.wParam != VK_RETURN) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (Win32BalloonWindow* balloon : OpenBalloons()) {
        if (balloon->hwnd() != root) continue;
        balloon->ReportKey(message.wParam == VK_ESCAPE ? BalloonKey::kEscape : BalloonKey::kEnter);
        return true;  // the balloon may be gone: the list is not walked further
    }
    return false;
}

}  // namespace nuv::win32
