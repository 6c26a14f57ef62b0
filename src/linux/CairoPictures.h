#pragma once
// The core's pictures and shapes as cairo and GDK objects.

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <string_view>
#include <vector>

#include "formats/Image.h"

namespace nuv::gtk {

// An RGB24 image surface with the picture's pixels (null for an empty picture); the caller
// destroys it.
cairo_surface_t* ImageToSurface(const Image& image);
// The union of `rects` in one call; the caller destroys it.
cairo_region_t* RectsToRegion(const std::vector<Rect>& rects);
// A picture file's bytes (icon, cursor, PNG, ...) decoded by GDK; null when it cannot be read.
GdkPixbuf* PixbufFromBytes(std::string_view bytes);

}  // namespace nuv::gtk
