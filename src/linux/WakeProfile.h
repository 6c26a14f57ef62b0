#pragma once
// CPU time of the main thread per kind of wake-up, for finding where idle time goes. Off
// unless NUVPET_WAKE_PROFILE is set: the table is then added at the end to the file it names
// ("-": standard error). Off, each call is one test of a flag.

namespace nuv::gtk {

enum class WakeKind {
    kSave,     // a tick whose new action saved the state files
    kBalloon,  // a balloon's timer (typing, closing)
    kMove,     // a tick that moved the pet window
    kFrame,    // a tick that set a shape or copied a frame
    kTick,     // a tick that sent nothing
    kXEvents,  // a pass of GLib for the X connection
    kGlib,     // a pass of GLib for its other sources
    kCount
};

namespace wake_profile {

extern bool on;

void MarkSlow(WakeKind kind);
void BeginSlow();
void EndSlow();
void ReportSlow();

// Something of this kind happened in the current wake-up.
inline void Mark(WakeKind kind) {
    if (on) MarkSlow(kind);
}
// Right after the loop's wait returns.
inline void Begin() {
    if (on) BeginSlow();
}
// Right before the loop waits.
inline void End() {
    if (on) EndSlow();
}
// The table, when measuring.
inline void Report() {
    if (on) ReportSlow();
}

}  // namespace wake_profile
}  // namespace nuv::gtk
