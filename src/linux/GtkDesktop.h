#pragma once
#include <gtk/gtk.h>

#include "ports/Desktop.h"

namespace nuv::gtk {

// The primary monitor's work area as the one monitor, and the pointer. The work area is read from
// the X server once and again only after the root window's properties or the monitors change (the
// pet asks at every step it takes).
class GtkDesktop : public IDesktop {
  public:
    GtkDesktop() = default;
    ~GtkDesktop() override;
    GtkDesktop(const GtkDesktop&) = delete;
    GtkDesktop& operator=(const GtkDesktop&) = delete;

    Monitors GetMonitors() override;
    Point GetCursorPos() override;
    void SetCursorPos(Point screen) override;

  private:
    static GdkFilterReturn OnRootEvent(GdkXEvent* xevent, GdkEvent* event, gpointer data);
    static void OnMonitorsChanged(GdkScreen* screen, gpointer data);
    void WatchChanges();
    Monitor ReadDesktopSize() const;

    Monitor size_;
    bool sizeKnown_ = false;
    GdkScreen* watched_ = nullptr;  // the screen whose changes forget the size
};

}  // namespace nuv::gtk
