#include "linux/GtkDesktop.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

#include "app/PetMainDlg.h"

namespace nuv::gtk {
namespace {

constexpr int kUnscaledXftDpi = 96 * 1024;  // GTK's text resolution at 100 %, in 1/1024 dpi

GdkDevice* Pointer() {
    GdkDisplay* display = gdk_display_get_default();
    GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
    return seat ? gdk_seat_get_pointer(seat) : nullptr;
}

int XftDpi() {
    gint dpi = 0;
    if (GtkSettings* settings = gtk_settings_get_default())
        g_object_get(settings, "gtk-xft-dpi", &dpi, nullptr);
    return dpi > 0 ? dpi : kUnscaledXftDpi;
}

}  // namespace

GtkDesktop::~GtkDesktop() {
    if (refreshSource_) g_source_remove(refreshSource_);
    if (!watched_) return;
    gdk_window_remove_filter(gdk_screen_get_root_window(watched_), OnRootEvent, this);
    g_signal_handlers_disconnect_by_data(watched_, this);
}

// GDK on X11 has one window scale for every monitor (GDK_SCALE or the desktop's setting) and
// text at the desktop's resolution (Xft.dpi) on top of it: their product is the system's scale.
// At a window scale of 2 GTK would place windows on even pixels only and stretch what is drawn
// in them; at 1 every coordinate is the server's.
void GtkDesktop::UseDevicePixels() {
    GdkDisplay* display = gdk_display_get_default();
    if (!display || !GDK_IS_X11_DISPLAY(display) || gdk_display_get_n_monitors(display) < 1) return;
    const int windowScale = gdk_monitor_get_scale_factor(gdk_display_get_monitor(display, 0));
    const int xftDpi = XftDpi();
    scale_ = std::max(1, windowScale) * double(xftDpi) / kUnscaledXftDpi;
    if (windowScale == 1) return;
    gdk_x11_display_set_window_scale(display, 1);
    g_object_set(gtk_settings_get_default(), "gtk-xft-dpi",
                 int(std::lround(scale_ * kUnscaledXftDpi)), nullptr);
    known_ = false;
}

const Monitors& GtkDesktop::GetMonitors() {
    if (!watched_) WatchChanges();
    if (!known_ || !watched_) {
        monitors_ = ReadMonitors();
        known_ = true;
    }
    return monitors_;
}

// Every monitor's work area (above a panel), the primary one first.
Monitors GtkDesktop::ReadMonitors() const {
    Monitors monitors;
    GdkDisplay* display = gdk_display_get_default();
    if (!display) return monitors;
    GdkMonitor* primary = gdk_display_get_primary_monitor(display);
    const int count = gdk_display_get_n_monitors(display);
    for (int i = 0; i < count; ++i) {
        GdkMonitor* monitor = gdk_display_get_monitor(display, i);
        GdkRectangle area = {};
        gdk_monitor_get_workarea(monitor, &area);
        if (area.width <= 0 || area.height <= 0) continue;
        Monitor m{area.x, area.y, area.x + area.width, area.y + area.height, scale_};
        if (monitor == primary) {
            monitors.insert(monitors.begin(), m);
        } else {
            monitors.push_back(m);
        }
    }
    return monitors;
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
        static_cast<GtkDesktop*>(data)->ScheduleRefresh();
    }
    return GDK_FILTER_CONTINUE;
}

void GtkDesktop::OnMonitorsChanged(GdkScreen*, gpointer data) {
    static_cast<GtkDesktop*>(data)->ScheduleRefresh();
}

// Changes come in bursts (a monitor added changes the screen's size, its monitors and the work
// area): the list is read again once they are through, and the pet hears of it if it changed.
void GtkDesktop::ScheduleRefresh() {
    known_ = false;
    if (!refreshSource_) refreshSource_ = g_idle_add(OnRefresh, this);
}

gboolean GtkDesktop::OnRefresh(gpointer data) {
    auto* self = static_cast<GtkDesktop*>(data);
    self->refreshSource_ = 0;
    Monitors before = self->monitors_;
    if (self->GetMonitors() != before && self->context_.dialog) {
        self->context_.dialog->OnDisplayChange();
    }
    return G_SOURCE_REMOVE;
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
