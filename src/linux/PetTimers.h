#pragma once
// The pet window's timers: one GLib source each for the window's life; stopping and restarting
// one (the pet's timer, at every tick) only moves its due time and tells GLib nothing. The
// pet's own loop runs them itself while it waits; GLib runs them in every other loop (a
// dialog's).

#include <glib.h>

#include <cstdint>
#include <map>

namespace nuv::gtk {

class PetTimers {
  public:
    using Handler = void (*)(void* data, int id);
    PetTimers(Handler handler, void* data) : handler_(handler), data_(data) {}
    ~PetTimers() { Clear(); }
    PetTimers(const PetTimers&) = delete;
    PetTimers& operator=(const PetTimers&) = delete;

    // Periodic from now on, until stopped or started again.
    void Start(int id, uint32_t periodMs);
    void Stop(int id);
    void Clear();
    // The earliest due time (GLib's monotonic clock, µs), or -1 when no timer runs.
    gint64 NextDue() const;
    // Runs the timers due at `now`, as their sources would.
    void RunDue(gint64 now);
    // While set, the sources report nothing to GLib: their caller runs them.
    void SetRunByCaller(bool byCaller) { runByCaller_ = byCaller; }

  private:
    struct Timer {
        GSource source;
        PetTimers* owner;
        int id;
        gint64 periodUs;
        gint64 dueUs;  // -1: stopped
        bool running;  // its handler runs: not again in a loop the handler opens
    };

    static gboolean Prepare(GSource* source, gint* timeout);
    static gboolean Check(GSource* source);
    static gboolean Dispatch(GSource* source, GSourceFunc, gpointer);
    static GSourceFuncs funcs_;

    Handler handler_;
    void* data_;
    std::map<int, Timer*> timers_;  // timer id -> its source
    bool runByCaller_ = false;
};

}  // namespace nuv::gtk
