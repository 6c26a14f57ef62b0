#include "linux/GtkDesktop.h"

#include <X11/Xlib.h>
#include <gtk/gtk.h>

namespace nuv::gtk {
namespace {

GdkDevice* Pointer() {
    GdkDisplay* display = gdk_display_get_default();
    GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
    return seat ? gdk_seat_get_pointer(seat) : nullptr;
}

}  // namespace

GtkDesktop::~GtkDesktop() {
    if (!watched_) return;
    gdk_window_remove_filter(gdk_screen_get_root_window(watched_), OnRootEvent, this);
    g_signal_handlers_disconnect_by_data(watched_, this);
}

// The usable desktop: the right edge and the bottom of the primary monitor's work area (above
// a panel at the bottom of the screen).
Monitors GtkDesktop::GetMonitors() {
    if (!watched_) WatchChanges();
    if (!sizeKnown_ || !watched_) {
        size_ = ReadDesktopSize();
        sizeKnown_ = true;
    }
    return {size_};
}

Monitor GtkDesktop::ReadDesktopSize() const {
    Monitor size;
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return size;
    GdkRectangle area = {};
    gdk_monitor_get_workarea(monitor, &area);
    size.right = area.x + area.width;
    size.ground = area.y + area.height;
    return size;
}

// The work area is a property of the root window (set by the window manager or a panel).
void GtkDesktop::WatchChanges() {
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen) return;
    GdkWindow* root = gdk_screen_get_root_window(screen);
    gdk_window_set_events(root,
                          GdkEventMask(gdk_window_get_events(root) | GDK_PROPERTY_CHANGE_MASK));
    gdk_window_add_filter(root, OnRootEvent, this);
    g_signal_connect(screen, "monitors-changed", G_CALLBACK(OnMonitorsChanged), this);
    g_signal_connect(screen, "size-changed", G_CALLBACK(OnMonitorsChanged), this);
    watched_ = screen;
}

GdkFilterReturn GtkDesktop::OnRootEvent(GdkXEvent* xevent, GdkEvent*, gpointer data) {
    if (static_cast<XEvent*>(xevent)->type == PropertyNotify) {
        static_cast<GtkDesktop*>(data)->sizeKnown_ = false;
    }
    return GDK_FILTER_CONTINUE;
}

void GtkDesktop::OnMonitorsChanged(GdkScreen*, gpointer data) {
    static_cast<GtkDesktop*>(data)->sizeKnown_ = false;
}

Point GtkDesktop::GetCursorPos() {
    int x = 0, y = 0;
    if (GdkDevice* pointer = Pointer()) gdk_device_get_position(pointer, nullptr, &x, &y);
    return {x, y};
}

void GtkDesktop::SetCursorPos(Point screen) {
    GdkDevice* pointer = Pointer();
    if (!pointer) return;
    gdk_device_warp(pointer, gdk_display_get_default_screen(gdk_display_get_default()), screen.x,
                    screen.y);
}

}  // namespace nuv::gtk
