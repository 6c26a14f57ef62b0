#include "win32/TimedPictureDialog.h"

#include "formats/BcfImage.h"
#include "resource.h"
#include "win32/DialogHelpers.h"
#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/LastResort.h"

namespace nuv::win32 {
namespace {

constexpr UINT_PTR kCloseTimer = 1;

struct PictureState {
    IFileSystem* files = nullptr;
    std::string path;
    unsigned seconds = 0;
    OwnedGdi<HBITMAP> picture;
    Size size;
};

void FitToPicture(HWND dialog, Size size) {
    RECT rect = {0, 0, size.width, size.height};
    AdjustWindowRectEx(&rect, DWORD(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Paint(HWND dialog, const PictureState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (state.picture) {
        HDC memory = NewMemoryDC(dc);
        HGDIOBJ old = SelectObject(memory, state.picture.get());
        BitBlt(dc, 0, 0, state.size.width, state.size.height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteMemoryDC(memory);
    }
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK TimedPictureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<PictureState>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            if (!state->path.empty()) {
                Image image = LoadBCFImage(*state->files, state->path);
                state->size = {image.width(), image.height()};
                state->picture.reset(ImageToDib(image));
            }
            if (state->seconds) SetTimer(dialog, kCloseTimer, state->seconds * 1000, nullptr);
            if (state->picture) FitToPicture(dialog, state->size);
            CenterOnScreen(dialog);
            return TRUE;
        case WM_ERASEBKGND:
            if (!state->picture) return FALSE;
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_PAINT:
            Paint(dialog, *state);
            return TRUE;
        case WM_TIMER:
            if (wParam != kCloseTimer) break;
            KillTimer(dialog, kCloseTimer);
            state->picture.reset();
            EndDialog(dialog, 1);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

INT_PTR RunTimedPictureDialog(HINSTANCE instance, HWND owner, IFileSystem& files,
                              const std::string& path, unsigned seconds) {
    PictureState state;
    state.files = &files;
    state.path = path.substr(0, 259);
    state.seconds = seconds;
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_TIMED_PICTURE), owner,
                           GuardedModal<TimedPictureProc>, LPARAM(&state));
}

}  // namespace nuv::win32
