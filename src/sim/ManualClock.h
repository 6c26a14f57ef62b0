#pragma once
#include "ports/Clock.h"

namespace nuv {

// A clock that moves only when told to: tests and the simulated desktop.
class ManualClock : public IClock {
  public:
    uint32_t TickCount() override { return ticks_; }
    LocalTime Now() override;
    int64_t CalendarTime() override { return startCalendar_ + elapsedMs_ / 1000; }
    void Sleep(uint32_t milliseconds) override { Advance(milliseconds); }

    // Sets the local time at elapsed 0 (the calendar time follows it, taken as UTC).
    void SetStart(const LocalTime& start);
    void SetTicks(uint32_t ticks) { ticks_ = ticks; }
    void Advance(uint32_t milliseconds);
    uint64_t ElapsedMs() const { return elapsedMs_; }

  private:
    uint32_t ticks_ = 0;
    uint64_t elapsedMs_ = 0;
    int64_t startCalendar_ = 0;
};

}  // namespace nuv
