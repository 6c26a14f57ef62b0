#include "linux/GtkLoadingWindow.h"

#include <algorithm>
#include <array>
#include <string>

#include "formats/BcfImage.h"
#include "linux/CairoPictures.h"
#include "linux/FrameTimings.h"

namespace nuv::gtk {
namespace {

constexpr int64_t kRepaintUs = 40000;
constexpr TextFont kNumbersFont{12, false, false};
constexpr int kDefaultWidth = 363, kDefaultHeight = 192;

}  // namespace

GtkLoadingWindow::~GtkLoadingWindow() {
    Close();
}

void GtkLoadingWindow::Open(int range) {
    Close();
    range_ = range;
    seconds_ = percentage_ = position_ = 0;
    Image picture = LoadBCFImage(*context_.files, ".\\PETS\\PETLOAD.BCF");
    background_ = ImageToSurface(picture);
    width_ = background_ ? picture.width() : kDefaultWidth;
    height_ = background_ ? picture.height() : kDefaultHeight;
    window_ = gtk_window_new(GTK_WINDOW_POPUP);
    gtk_widget_set_app_paintable(window_, TRUE);
    gtk_window_set_default_size(GTK_WINDOW(window_), width_, height_);
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
    gtk_widget_show(window_);
    gdk_display_sync(gdk_display_get_default());
    lastPaintUs_ = NowUs();
    Paint();
}

void GtkLoadingWindow::Report(int seconds, int percentage, int position) {
    if (!window_) return;
    // Painted when the seconds change, at most every kRepaintUs otherwise, and at the end.
    int64_t now = NowUs();
    bool due = seconds != seconds_ || now - lastPaintUs_ >= kRepaintUs || position >= range_;
    seconds_ = seconds;
    percentage_ = percentage;
    position_ = position;
    if (!due) return;
    lastPaintUs_ = now;
    Paint();
}

void GtkLoadingWindow::Close() {
    if (window_) gtk_widget_destroy(window_);
    window_ = nullptr;
    if (background_) cairo_surface_destroy(background_);
    background_ = nullptr;
}

void GtkLoadingWindow::Paint() {
    GdkWindow* window = gtk_widget_get_window(window_);
    if (!window) return;
    cairo_region_t* all = cairo_region_create_rectangle(
        std::array<cairo_rectangle_int_t, 1>{{{0, 0, width_, height_}}}.data());
    GdkDrawingContext* drawing = gdk_window_begin_draw_frame(window, all);
    cairo_t* cr = gdk_drawing_context_get_cairo_context(drawing);
    if (background_) {
        cairo_set_source_surface(cr, background_, 0, 0);
    } else {
        cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
    }
    cairo_paint(cr);
    text_.Draw(cr, std::to_string(seconds_), kNumbersFont, 80, 133, 0);
    text_.Draw(cr, std::to_string(percentage_), kNumbersFont, 360, 133, 0);
    // The bar along the bottom.
    const int barX = 10, barY = height_ - 17, barWidth = width_ - 20, barHeight = 10;
    cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    cairo_rectangle(cr, barX, barY, barWidth, barHeight);
    cairo_fill(cr);
    double done = range_ > 0 ? std::min(1.0, double(position_) / range_) : 0.0;
    cairo_set_source_rgb(cr, 0.2, 0.45, 0.85);
    cairo_rectangle(cr, barX, barY, barWidth * done, barHeight);
    cairo_fill(cr);
    gdk_window_end_draw_frame(window, drawing);
    cairo_region_destroy(all);
    gdk_display_flush(gdk_display_get_default());
}

}  // namespace nuv::gtk
