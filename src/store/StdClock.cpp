#include "store/StdClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace nuv {
namespace {

StdClock gStdClock;
IClock* gClock = &gStdClock;

}  // namespace

IClock& Clock() {
    return *gClock;
}

IClock* SetClock(IClock* clock) {
    IClock* previous = gClock;
    gClock = clock ? clock : &gStdClock;
    return previous == &gStdClock ? nullptr : previous;
}

uint32_t StdClock::TickCount() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

LocalTime StdClock::Now() {
    std::time_t now = std::time(nullptr);
    std::tm parts = *std::localtime(&now);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

int64_t StdClock::CalendarTime() {
    return int64_t(std::time(nullptr));
}

void StdClock::Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

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

int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yoe = year - era * 400;
    const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int64_t SecondsFromCivil(const LocalTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

LocalTime CivilFromSeconds(int64_t seconds) {
    int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    int64_t rest = seconds - days * 86400;
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    LocalTime t;
    t.day = int(doy - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yoe + era * 400 + (t.month <= 2));
    t.hour = int(rest / 3600);
    t.minute = int(rest / 60 % 60);
    t.second = int(rest % 60);
    return t;
}

}  // namespace nuv
