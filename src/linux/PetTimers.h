#pragma once
// A window's timers: one GLib source each for the window's life; stopping and restarting one
// (the pet's timer at every tick, a balloon's at every typing step) only moves its due time
// and tells GLib nothing. The pet's own loop runs the timers of every window itself while it
// waits; GLib runs them in every other loop (a dialog's).

#include <glib.h>

#include <cstdint>
#include <map>
#include <vector>

namespace nuv::gtk {

class PetTimers {
  public:
    using Handler = void (*)(void* data, int id);
    PetTimers(Handler handler, void* data);
    ~PetTimers();
    PetTimers(const PetTimers&) = delete;
    PetTimers& operator=(const PetTimers&) = delete;

    // Periodic from now on, until stopped or started again.
    void Start(int id, uint32_t periodMs);
    void Stop(int id);
    void Clear();

    // For the loop that runs the timers of all windows itself:
    // the earliest due time (GLib's monotonic clock, µs), or -1 when no timer runs;
    static gint64 NextDue();
    // runs the timers due at `now`, as their sources would (a handler may destroy any window);
    static void RunDue(gint64 now);
    // while set, the sources report nothing to GLib: their caller runs them.
    static void SetRunByCaller(bool byCaller) { runByCaller_ = byCaller; }

  private:
    struct Timer {
        GSource source;
        PetTimers* owner;
        int id;
        gint64 periodUs;
        gint64 dueUs;  // -1: stopped
        bool running;  // its handler runs: not again in a loop the handler opens
    };

    gint64 NextDueOfSet() const;
    void RunDueOfSet(gint64 now);
    static gboolean Prepare(GSource* source, gint* timeout);
    static gboolean Check(GSource* source);
    static gboolean Dispatch(GSource* source, GSourceFunc, gpointer);
    static GSourceFuncs funcs_;
    static std::vector<PetTimers*> sets_;  // every window's, oldest first (null: gone meanwhile)
    static int running_;                   // depth of RunDue calls
    static bool runByCaller_;

    Handler handler_;
    void* data_;
    std::map<int, Timer*> timers_;  // timer id -> its source
    bool* alive_ = nullptr;         // set to false when the set goes while its handler runs
};

}  // namespace nuv::gtk
