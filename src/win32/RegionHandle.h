#pragma once
// Window shapes between the core (a list of rectangles) and GDI (an HRGN).

#include <vector>

#include "formats/Image.h"
#include "win32/WinApi.h"

namespace nuv::win32 {

// A new region (counted, owned by the caller) covering the union of `rects`, made by one
// ExtCreateRegion call. Empty rectangles are skipped; no rectangle gives an empty region.
// Null when the system refuses.
HRGN RectsToRegion(const std::vector<Rect>& rects);

// The rectangles the system keeps for `region` (y-banded, sorted). Empty on failure.
std::vector<Rect> RegionToRects(HRGN region);

}  // namespace nuv::win32
