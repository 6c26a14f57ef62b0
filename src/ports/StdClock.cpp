#include "ports/StdClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace nuv {
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

}  // namespace nuv
