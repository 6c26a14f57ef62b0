#pragma once
// Pictures between the core (Image: 0x00RRGGBB, top-down rows) and GDI (32-bit DIB sections).
// The two layouts are the same bytes in memory (blue, green, red, unused), so rows are copied.

#include "formats/Image.h"
#include "win32/WinApi.h"

namespace nuv::win32 {

// The header of a 32-bit top-down DIB of the given size.
BITMAPINFO TopDownDibInfo(int width, int height);

// A new DIB section (counted, owned by the caller) holding a copy of `image`.
// Null for an empty image or when the system refuses.
HBITMAP ImageToDib(const Image& image);

// Sets the alpha byte of every pixel of a 32-bit DIB section to 255: GDI leaves it 0, which
// themed menus and layered drawing take for a fully transparent pixel. Other bitmaps are left.
void MakeOpaque(HBITMAP dib);

// The pixels of any bitmap as an Image, the unused byte cleared. Empty on failure.
Image BitmapToImage(HBITMAP bitmap);

}  // namespace nuv::win32
