#pragma once
// The clocks the frame timings are measured with: the monotonic clock and the start of the
// process.

#include <cstdint>

#include "base/FrameTimings.h"

namespace nuv::gtk {

// Microseconds of the monotonic clock.
int64_t NowUs();

// Milliseconds from the start of this process until now (-1 when unknown).
int64_t MsSinceProcessStart();

}  // namespace nuv::gtk
