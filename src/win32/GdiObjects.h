#pragma once
// Every GDI object the shell makes goes through these wrappers, which count creations and
// deletions per kind, so that a test (or the log at exit) can see that nothing leaks.

#include <utility>

#include "win32/WinApi.h"

namespace nuv::win32 {

enum class GdiKind { kBitmap, kRegion, kFont, kBrush, kPen, kMemoryDC, kCount };

struct GdiCounts {
    long created[int(GdiKind::kCount)] = {};
    long deleted[int(GdiKind::kCount)] = {};
    long Live(GdiKind kind) const { return created[int(kind)] - deleted[int(kind)]; }
    long Live() const;
};

GdiCounts CurrentGdiCounts();
// The most objects that were alive at one time since the program started.
long PeakLiveGdiObjects();
const char* GdiKindName(GdiKind kind);

// Creation wrappers: each counts one object when the system gave one.
HBITMAP NewDibSection(const BITMAPINFO& info, void** bits);
HBITMAP NewCompatibleBitmap(HDC dc, int width, int height);
HRGN NewRectRegion(int left, int top, int right, int bottom);
HRGN NewRegionFromData(const RGNDATA* data, DWORD size);
HFONT NewFont(const LOGFONTW& font);
HBRUSH NewSolidBrush(COLORREF colour);
HPEN NewPen(int style, int width, COLORREF colour);
HDC NewMemoryDC(HDC compatibleWith);

// Counts an object the system made through a call without a wrapper (CopyImage and the like).
void CountGdiCreation(GdiKind kind);

// Deletes a bitmap, region, font, brush or pen and counts it. Null is accepted and ignored.
bool DeleteGdiObject(HGDIOBJ object);
bool DeleteMemoryDC(HDC dc);

// Gives `region` to `window` (SetWindowRgn). On success the window owns the region and it
// counts as released; on failure the caller still owns it.
bool SetWindowRegion(HWND window, HRGN region, bool redraw);

// Owns one GDI object (not a DC) and deletes it through DeleteGdiObject.
template <class Handle>
class OwnedGdi {
  public:
    OwnedGdi() = default;
    explicit OwnedGdi(Handle handle) : handle_(handle) {}
    ~OwnedGdi() { reset(); }
    OwnedGdi(OwnedGdi&& other) noexcept : handle_(other.release()) {}
    OwnedGdi& operator=(OwnedGdi&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    OwnedGdi(const OwnedGdi&) = delete;
    OwnedGdi& operator=(const OwnedGdi&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteGdiObject(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

}  // namespace nuv::win32
