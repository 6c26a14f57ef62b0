#include "linux/GtkObjectWindow.h"

#include "linux/CairoPictures.h"
#include "linux/FreedMemory.h"
#include "shape/Region.h"

namespace nuv::gtk {

GtkObjectWindow::GtkObjectWindow() {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(window_);
    gtk_window_set_decorated(window, FALSE);
    gtk_window_set_skip_taskbar_hint(window, TRUE);
    gtk_window_set_skip_pager_hint(window, TRUE);
    gtk_window_set_focus_on_map(window, FALSE);
    gtk_window_set_accept_focus(window, FALSE);
    gtk_window_stick(window);
    gtk_widget_set_app_paintable(window_, TRUE);
    g_signal_connect(window_, "draw", G_CALLBACK(OnDraw), this);
    gtk_widget_realize(window_);
}

GtkObjectWindow::~GtkObjectWindow() {
    if (window_) gtk_widget_destroy(window_);
    if (picture_) cairo_surface_destroy(picture_);
    TrimHeapSoon();
}

void GtkObjectWindow::Place(Point position, Size size) {
    gtk_window_move(GTK_WINDOW(window_), position.x, position.y);
    gtk_window_resize(GTK_WINDOW(window_), size.width > 0 ? size.width : 1,
                      size.height > 0 ? size.height : 1);
}

void GtkObjectWindow::SetPicture(const Image& picture, const Region& shape, const Rect&) {
    if (picture_) cairo_surface_destroy(picture_);
    picture_ = ImageToSurface(picture);
    cairo_region_t* region = RectsToRegion(shape.Rects());
    gtk_widget_shape_combine_region(window_, region);
    gtk_widget_input_shape_combine_region(window_, region);
    cairo_region_destroy(region);
    gtk_widget_queue_draw(window_);
}

void GtkObjectWindow::Show(bool visible) {
    if (visible)
        gtk_widget_show(window_);
    else
        gtk_widget_hide(window_);
}

gboolean GtkObjectWindow::OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* self = static_cast<GtkObjectWindow*>(data);
    if (!self->picture_) return TRUE;
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, self->picture_, 0, 0);
    cairo_paint(cr);
    return TRUE;
}

}  // namespace nuv::gtk
