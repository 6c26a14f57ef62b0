#include "win32/RegionHandle.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "win32/GdiObjects.h"

namespace nuv::win32 {

HRGN RectsToRegion(const std::vector<Rect>& rects) {
    std::vector<RECT> kept;
    kept.reserve(rects.size());
    RECT bounds = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Rect& r : rects) {
        if (r.IsEmpty()) continue;
        kept.push_back({r.left, r.top, r.right, r.bottom});
        bounds.left = std::min<LONG>(bounds.left, r.left);
        bounds.top = std::min<LONG>(bounds.top, r.top);
        bounds.right = std::max<LONG>(bounds.right, r.right);
        bounds.bottom = std::max<LONG>(bounds.bottom, r.bottom);
    }
    if (kept.empty()) bounds = {0, 0, 0, 0};
    const std::size_t bytes = sizeof(RGNDATAHEADER) + kept.size() * sizeof(RECT);
    if (bytes > MAXDWORD) return nullptr;
    // RGNDATA is a header followed by the rectangles; keep the buffer aligned for RECT.
    std::vector<RECT> buffer((bytes + sizeof(RECT) - 1) / sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = DWORD(kept.size());
    data->rdh.nRgnSize = DWORD(kept.size() * sizeof(RECT));
    data->rdh.rcBound = bounds;
    if (!kept.empty()) std::memcpy(data->Buffer, kept.data(), kept.size() * sizeof(RECT));
    return NewRegionFromData(data, DWORD(bytes));
}

std::vector<Rect> RegionToRects(HRGN region) {
    DWORD bytes = region ? GetRegionData(region, 0, nullptr) : 0;
    if (bytes < sizeof(RGNDATAHEADER)) return {};
    std::vector<RECT> buffer((bytes + sizeof(RECT) - 1) / sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, bytes, data) != bytes) return {};
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::vector<Rect> out;
    out.reserve(data->rdh.nCount);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        out.push_back(
            {int(rects[i].left), int(rects[i].top), int(rects[i].right), int(rects[i].bottom)});
    }
    return out;
}

}  // namespace nuv::win32
