#include "sim/ManualClock.h"

namespace nuv {

LocalTime ManualClock::Now() {
    return CivilFromSeconds(CalendarTime());
}

void ManualClock::SetStart(const LocalTime& start) {
    startCalendar_ = SecondsFromCivil(start) - int64_t(elapsedMs_ / 1000);
}

void ManualClock::Advance(uint32_t milliseconds) {
    ticks_ += milliseconds;
    elapsedMs_ += milliseconds;
}

}  // namespace nuv
