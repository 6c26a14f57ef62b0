#pragma once
#include "ports/Clock.h"

namespace nuv {

// The clock of the standard library: steady time for ticks, the C library for local time.
class StdClock : public IClock {
  public:
    uint32_t TickCount() override;
    LocalTime Now() override;
    int64_t CalendarTime() override;
    void Sleep(uint32_t milliseconds) override;
};

}  // namespace nuv
