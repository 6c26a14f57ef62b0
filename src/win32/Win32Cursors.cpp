#include "win32/Win32Cursors.h"

#include <atomic>

#include "pet/SystemInfo.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

std::atomic<Win32Cursors*> gExitCursors{nullptr};

HCURSOR CopyOf(HCURSOR cursor) {
    return cursor ? HCURSOR(CopyIcon(cursor)) : nullptr;
}

}  // namespace

void RegisterCursorsForExit(Win32Cursors* cursors) {
    gExitCursors = cursors;
}

void RestoreCursorsOnExit() {
    if (Win32Cursors* cursors = gExitCursors.exchange(nullptr)) cursors->RestoreCursors();
}

Win32Cursors::Win32Cursors(ShellContext& context) : context_(context) {}

Win32Cursors::~Win32Cursors() {
    Win32Cursors* self = this;
    gExitCursors.compare_exchange_strong(self, nullptr);
    RestoreCursors();
    DestroyHoverCursor();
}

bool Win32Cursors::HasSavedCursors() const {
    return saved_[0] != nullptr;
}

void Win32Cursors::SaveCursors() {
    for (int k = 0; k < 15; ++k) {
        // Standard cursors are shared: the loaded handle is not destroyed.
        HCURSOR current = LoadCursorW(nullptr, MAKEINTRESOURCEW(kStandardCursorIds[k]));
        if (saved_[k]) DestroyCursor(saved_[k]);
        saved_[k] = CopyOf(current);
    }
}

void Win32Cursors::Apply(HCURSOR cursor) {
    for (int id : kStandardCursorIds) {
        // The system takes over the copy it is given.
        if (HCURSOR copy = CopyOf(cursor)) {
            if (!SetSystemCursor(copy, DWORD(id))) DestroyCursor(copy);
        }
    }
}

bool Win32Cursors::ApplyCursorFile(const std::string& path) {
    HCURSOR cursor = LoadCursorFromFileW(Widen(path).c_str());
    if (!cursor) return false;
    Apply(cursor);
    DestroyCursor(cursor);
    return true;
}

bool Win32Cursors::ApplyCursorResource(int id) {
    HCURSOR cursor = LoadCursorW(context_.instance, MAKEINTRESOURCEW(id));
    if (!cursor) return false;
    Apply(cursor);  // a resource cursor is shared: not destroyed
    return true;
}

void Win32Cursors::RestoreCursors() {
    if (!saved_[0]) return;
    for (int k = 0; k < 15; ++k) {
        if (saved_[k] && !SetSystemCursor(saved_[k], DWORD(kStandardCursorIds[k]))) {
            DestroyCursor(saved_[k]);
        }
        saved_[k] = nullptr;
    }
}

bool Win32Cursors::LoadHoverCursor(const std::string& path) {
    DestroyHoverCursor();
    hover_ = LoadCursorFromFileW(Widen(path).c_str());
    return hover_ != nullptr;
}

void Win32Cursors::ShowHoverCursor() {
    if (hover_) SetCursor(hover_);
}

void Win32Cursors::DestroyHoverCursor() {
    if (!hover_) return;
    if (GetCursor() == hover_) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    DestroyCursor(hover_);
    hover_ = nullptr;
}

}  // namespace nuv::win32
