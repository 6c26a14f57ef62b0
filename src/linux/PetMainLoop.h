#pragma once
// The pet's main loop. GLib's sources and the X connection are served as by GLib's own loop,
// but the windows' timers are run straight from the wait: a tick that leaves GLib nothing
// to do (no X event, no source added, no source's time come) costs no pass over GLib's
// sources, whose preparation reads from the X connection every time.

#include <glib.h>

#include <vector>

struct _XDisplay;  // Xlib's Display

namespace nuv::gtk {

class GtkPetWindow;

class PetMainLoop {
  public:
    explicit PetMainLoop(GtkPetWindow& window) : window_(window) {}

    // Runs until the pet window has ended.
    void Run();
    // True while the pet's timers run straight from the loop (outside GLib's dispatching).
    bool Ticking() const { return ticking_; }

  private:
    void Prepare();
    bool Wait();
    bool Poll();
    bool TickAlone();
    void Dispatch();
    bool XReady() const;

    GtkPetWindow& window_;
    GMainContext* context_ = nullptr;
    _XDisplay* display_ = nullptr;  // the X connection (none on another GDK backend)
    std::vector<GPollFD> fds_;
    int fdCount_ = 0;
    gint priority_ = 0;
    gint64 glibDue_ = -1;   // when GLib's next source is due (-1: none)
    guint nextSource_ = 0;  // the number GLib gave the next source at its last pass
    bool ticking_ = false;
};

}  // namespace nuv::gtk
