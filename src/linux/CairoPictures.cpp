#include "linux/CairoPictures.h"

#include <cstring>

namespace nuv::gtk {

cairo_surface_t* ImageToSurface(const Image& image) {
    if (image.empty()) return nullptr;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width(), image.height());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    // Our pixels are 0x00RRGGBB words, as RGB24 keeps them.
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(data + std::size_t(y) * stride, image.Row(y), std::size_t(image.width()) * 4);
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

cairo_region_t* RectsToRegion(const std::vector<Rect>& rects) {
    std::vector<cairo_rectangle_int_t> boxes;
    boxes.reserve(rects.size());
    for (const Rect& r : rects) {
        if (!r.IsEmpty()) boxes.push_back({r.left, r.top, r.Width(), r.Height()});
    }
    return cairo_region_create_rectangles(boxes.data(), int(boxes.size()));
}

GdkPixbuf* PixbufFromBytes(std::string_view bytes) {
    if (bytes.empty()) return nullptr;
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    GdkPixbuf* pixbuf = nullptr;
    bool ok = gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(bytes.data()),
                                      bytes.size(), nullptr);
    if (gdk_pixbuf_loader_close(loader, nullptr) && ok) {
        pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
        if (pixbuf) g_object_ref(pixbuf);
    }
    g_object_unref(loader);
    return pixbuf;
}

}  // namespace nuv::gtk
