#pragma once
#include <gtk/gtk.h>

#include "linux/ShellContext.h"
#include "ports/Desktop.h"

namespace nuv::gtk {

// The monitors' work areas and scale, and the pointer. The program works in the X server's
// pixels: GTK's own scale (GDK_SCALE, the desktop's scaling factor) is taken as the monitors'
// scale and GTK is set to draw 1:1, so the pet's pictures reach the screen unscaled; text in
// menus and dialogs keeps the desktop's size. The list is read from the X server once and again
// after the monitors or the root window's properties (the work area) change, which the pet's
// dialog hears of.
class GtkDesktop : public IDesktop {
  public:
    explicit GtkDesktop(ShellContext& context) : context_(context) {}
    ~GtkDesktop() override;
    GtkDesktop(const GtkDesktop&) = delete;
    GtkDesktop& operator=(const GtkDesktop&) = delete;

    // Before the first window: takes GTK's scale as the monitors' and makes GTK draw 1:1.
    void UseDevicePixels();

    const Monitors& GetMonitors() override;
    Point GetCursorPos() override;
    void SetCursorPos(Point screen) override;

  private:
    static GdkFilterReturn OnRootEvent(GdkXEvent* xevent, GdkEvent* event, gpointer data);
    static void OnMonitorsChanged(GdkScreen* screen, gpointer data);
    static gboolean OnRefresh(gpointer data);
    void WatchChanges();
    void ScheduleRefresh();
    Monitors ReadMonitors() const;

    ShellContext& context_;
    Monitors monitors_;
    bool known_ = false;
    double scale_ = 1.0;
    guint refreshSource_ = 0;
    GdkScreen* watched_ = nullptr;  // the screen whose changes are heard
};

}  // namespace nuv::gtk
