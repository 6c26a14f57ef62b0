#include "linux/PetMainLoop.h"

#include <algorithm>
#include <climits>

#include "linux/GtkPetWindow.h"
#include "linux/PetTimers.h"
#include "linux/WakeProfile.h"

// After the program's headers: Xlib defines Status as a macro.
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace nuv::gtk {
namespace {

// GLib numbers the sources it is given in turn: a number skipped between two calls is a
// source added in between.
guint NextSourceNumber() {
    GSource* probe = g_idle_source_new();
    const guint number = g_source_attach(probe, nullptr);
    g_source_destroy(probe);
    g_source_unref(probe);
    return number;
}

// A source added since `next` holds one of the numbers from `next` on (a few, should sources
// have come and gone in between): looking them up costs far less than attaching a probe. The
// numbers looked up were never given out, so none can name an older source.
constexpr guint kNumbersLookedUp = 16;

bool SourceAddedSince(GMainContext* context, guint next) {
    for (guint number = next; number < next + kNumbersLookedUp; ++number) {
        if (g_main_context_find_source_by_id(context, number)) return true;
    }
    return false;
}

Display* XDisplay() {
    GdkDisplay* display = gdk_display_get_default();
    return display && GDK_IS_X11_DISPLAY(display) ? GDK_DISPLAY_XDISPLAY(display) : nullptr;
}

// Whether GDK holds events it has not handed out yet.
bool GdkEventsWaiting() {
    GdkDisplay* display = gdk_display_get_default();
    GdkEvent* event = display ? gdk_display_peek_event(display) : nullptr;
    if (!event) return false;
    gdk_event_free(event);
    return true;
}

int MsUntil(gint64 due, gint64 now) {
    if (due < 0) return -1;
    return due <= now ? 0 : int(std::min<gint64>((due - now + 999) / 1000, INT_MAX));
}

}  // namespace

void PetMainLoop::Run() {
    context_ = g_main_context_default();
    display_ = XDisplay();
    g_main_context_acquire(context_);
    while (!window_.Ended()) {
        Prepare();
        if (Wait()) Dispatch();
    }
    g_main_context_release(context_);
    wake_profile::Report();
}

// GLib's sources say what they wait for; the windows' timers are left out (the loop runs them).
void PetMainLoop::Prepare() {
    PetTimers::SetRunByCaller(true);
    g_main_context_prepare(context_, &priority_);
    gint timeout = -1;
    for (;;) {
        fdCount_ =
            g_main_context_query(context_, priority_, &timeout, fds_.data(), int(fds_.size()));
        if (fdCount_ <= int(fds_.size())) break;
        fds_.resize(std::size_t(fdCount_));
    }
    PetTimers::SetRunByCaller(false);
    nextSource_ = NextSourceNumber() + 1;
    glibDue_ = timeout < 0 ? -1 : g_get_monotonic_time() + gint64(timeout) * 1000;
}

// Waits and runs the pet's timers until GLib has something to do: true when its descriptors or
// its time tell so, false when a tick may have given it something (it prepares again then).
bool PetMainLoop::Wait() {
    while (!window_.Ended()) {
        if (Poll()) return true;
        if (!TickAlone()) return false;
    }
    return false;
}

// Waits for GLib's descriptors, GLib's next source and the pet's next timer. True when GLib has
// something to do.
bool PetMainLoop::Poll() {
    const gint64 now = g_get_monotonic_time();
    const int glibMs = MsUntil(glibDue_, now);
    const int timerMs = MsUntil(PetTimers::NextDue(), now);
    int timeout = glibMs < 0 ? timerMs : timerMs < 0 ? glibMs : std::min(glibMs, timerMs);
    wake_profile::End();
    const int ready = g_poll(fds_.data(), guint(fdCount_), timeout);
    wake_profile::Begin();
    if (ready != 0) return true;
    return glibDue_ >= 0 && g_get_monotonic_time() >= glibDue_;
}

// Runs the pet's timers that are due. True when GLib is left with nothing new to do: no source
// added since GLib's pass, and nothing read from the X connection (a reply read
// may bring events with it, which then wait in a queue the descriptor no longer tells of).
bool PetMainLoop::TickAlone() {
    const gint64 now = g_get_monotonic_time();
    const gint64 due = PetTimers::NextDue();
    if (due < 0 || due > now) return true;  // woken early: wait again
    Display* display = display_;
    const unsigned long read = display ? LastKnownRequestProcessed(display) : 0;
    const unsigned long sent = display ? NextRequest(display) : 0;
    wake_profile::Mark(WakeKind::kTick);
    ticking_ = true;
    PetTimers::RunDue(now);
    ticking_ = false;
    if (!display) return false;
    if (NextRequest(display) != sent) XFlush(display);  // which reads what has come, too
    return !SourceAddedSince(context_, nextSource_) && LastKnownRequestProcessed(display) == read &&
           XEventsQueued(display, QueuedAlready) == 0 && !GdkEventsWaiting();
}

void PetMainLoop::Dispatch() {
    PetTimers::SetRunByCaller(true);
    const bool ready = g_main_context_check(context_, priority_, fds_.data(), fdCount_);
    PetTimers::SetRunByCaller(false);
    if (!ready) return;
    if (wake_profile::on) wake_profile::Mark(XReady() ? WakeKind::kXEvents : WakeKind::kGlib);
    g_main_context_dispatch(context_);
}

bool PetMainLoop::XReady() const {
    Display* display = display_;
    if (!display) return false;
    for (int i = 0; i < fdCount_; ++i) {
        if (fds_[std::size_t(i)].fd == ConnectionNumber(display) && fds_[std::size_t(i)].revents)
            return true;
    }
    return XEventsQueued(display, QueuedAlready) > 0;
}

}  // namespace nuv::gtk
