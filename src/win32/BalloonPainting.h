#pragma once
// Draws a balloon's display list: the pictures are composed in memory (the green key exact to
// the pixel), the text runs are drawn on top with GDI.

#include "ports/BalloonDrawing.h"
#include "win32/KoreanFonts.h"

namespace nuv::win32 {

// The background and the pictures of `drawing` as one picture of `client` size.
Image ComposeBalloonPictures(const BalloonDrawing& drawing, Size client);

// A new DIB section (counted, owned by the caller) of `client` size showing `drawing`.
HBITMAP PaintBalloon(const BalloonDrawing& drawing, Size client, KoreanFonts& fonts);

}  // namespace nuv::win32
