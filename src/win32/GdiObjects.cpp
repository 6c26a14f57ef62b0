#include "win32/GdiObjects.h"

#include <atomic>

namespace nuv::win32 {
namespace {

constexpr int kKinds = int(GdiKind::kCount);
std::atomic<long> gCreated[kKinds];
std::atomic<long> gDeleted[kKinds];
std::atomic<long> gPeak{0};

template <class Handle>
Handle Counted(Handle handle, GdiKind kind) {
    if (handle) CountGdiCreation(kind);
    return handle;
}

void CountDeletion(GdiKind kind) {
    ++gDeleted[int(kind)];
}

bool KindOf(HGDIOBJ object, GdiKind* kind) {
    switch (GetObjectType(object)) {
        case OBJ_BITMAP:
            *kind = GdiKind::kBitmap;
            return true;
        case OBJ_REGION:
            *kind = GdiKind::kRegion;
            return true;
        case OBJ_FONT:
            *kind = GdiKind::kFont;
            return true;
        case OBJ_BRUSH:
            *kind = GdiKind::kBrush;
            return true;
        case OBJ_PEN:
        case OBJ_EXTPEN:
            *kind = GdiKind::kPen;
            return true;
        default:
            return false;
    }
}

}  // namespace

long GdiCounts::Live() const {
    long live = 0;
    for (int k = 0; k < kKinds; ++k)
        live += created[k] - deleted[k];
    return live;
}

GdiCounts CurrentGdiCounts() {
    GdiCounts counts;
    for (int k = 0; k < kKinds; ++k) {
        counts.created[k] = gCreated[k].load();
        counts.deleted[k] = gDeleted[k].load();
    }
    return counts;
}

const char* GdiKindName(GdiKind kind) {
    static const char* const kNames[kKinds] = {"bitmap", "region", "font",
                                               "brush",  "pen",    "memory DC"};
    return int(kind) >= 0 && int(kind) < kKinds ? kNames[int(kind)] : "?";
}

void CountGdiCreation(GdiKind kind) {
    ++gCreated[int(kind)];
    long live = CurrentGdiCounts().Live();
    long peak = gPeak.load();
    while (live > peak && !gPeak.compare_exchange_weak(peak, live)) {
    }
}

long PeakLiveGdiObjects() {
    return gPeak.load();
}

HBITMAP NewDibSection(const BITMAPINFO& info, void** bits) {
    return Counted(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0),
                   GdiKind::kBitmap);
}

HBITMAP NewCompatibleBitmap(HDC dc, int width, int height) {
    return Counted(CreateCompatibleBitmap(dc, width, height), GdiKind::kBitmap);
}

HRGN NewRectRegion(int left, int top, int right, int bottom) {
    return Counted(CreateRectRgn(left, top, right, bottom), GdiKind::kRegion);
}

HRGN NewRegionFromData(const RGNDATA* data, DWORD size) {
    return Counted(ExtCreateRegion(nullptr, size, data), GdiKind::kRegion);
}

HFONT NewFont(const LOGFONTW& font) {
    return Counted(CreateFontIndirectW(&font), GdiKind::kFont);
}

HBRUSH NewSolidBrush(COLORREF colour) {
    return Counted(CreateSolidBrush(colour), GdiKind::kBrush);
}

HPEN NewPen(int style, int width, COLORREF colour) {
    return Counted(CreatePen(style, width, colour), GdiKind::kPen);
}

HDC NewMemoryDC(HDC compatibleWith) {
    return Counted(CreateCompatibleDC(compatibleWith), GdiKind::kMemoryDC);
}

bool DeleteGdiObject(HGDIOBJ object) {
    if (!object) return true;
    GdiKind kind;
    if (!KindOf(object, &kind)) return false;
    if (!DeleteObject(object)) return false;
    CountDeletion(kind);
    return true;
}

bool DeleteMemoryDC(HDC dc) {
    if (!dc) return true;
    if (!DeleteDC(dc)) return false;
    CountDeletion(GdiKind::kMemoryDC);
    return true;
}

bool SetWindowRegion(HWND window, HRGN region, bool redraw) {
    if (!SetWindowRgn(window, region, redraw ? TRUE : FALSE)) return false;
    if (region) CountDeletion(GdiKind::kRegion);
    return true;
}

}  // namespace nuv::win32
