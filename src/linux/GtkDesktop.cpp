#include "linux/GtkDesktop.h"

#include <gtk/gtk.h>

namespace nuv::gtk {
namespace {

GdkDevice* Pointer() {
    GdkDisplay* display = gdk_display_get_default();
    GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
    return seat ? gdk_seat_get_pointer(seat) : nullptr;
}

}  // namespace

// The usable desktop: the right edge and the bottom of the primary monitor's work area (above
// a panel at the bottom of the screen).
DesktopSize GtkDesktop::GetDesktopSize() {
    DesktopSize size;
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return size;
    GdkRectangle area = {};
    gdk_monitor_get_workarea(monitor, &area);
    size.width = area.x + area.width;
    size.ground = area.y + area.height;
    return size;
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
