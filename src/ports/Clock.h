#pragma once
// Time as the program sees it: the millisecond tick count, the local time, the calendar time
// and a pause. The shell gives the real clock; tests and the simulated desktop a virtual one.

#include <cstdint>

#include "base/LocalTime.h"

namespace nuv {

class IClock {
  public:
    virtual ~IClock() = default;
    // Milliseconds since the system started; wraps like the system's 32-bit count.
    virtual uint32_t TickCount() = 0;
    virtual LocalTime Now() = 0;
    // Seconds since 1970-01-01 00:00:00 UTC (the value the random generator is seeded with).
    virtual int64_t CalendarTime() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

}  // namespace nuv
