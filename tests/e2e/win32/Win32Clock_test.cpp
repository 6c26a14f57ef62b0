#include "win32/Win32Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ports/StdClock.h"
#include "win32/WinApi.h"

namespace nuv::win32 {
namespace {

int64_t UnixSecondsNow() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    return int64_t(ticks.QuadPart / 10000000ULL) - 11644473600LL;
}

TEST(Win32ClockTest, ReadsTheSystemsClocks) {
    Win32Clock clock;
    EXPECT_LE(uint32_t(GetTickCount() - clock.TickCount()), 50u);
    EXPECT_LE(std::llabs(clock.CalendarTime() - UnixSecondsNow()), 2);

    SYSTEMTIME local;
    GetLocalTime(&local);
    LocalTime now = clock.Now();
    LocalTime expected{local.wYear, local.wMonth,  local.wDay,
                       local.wHour, local.wMinute, local.wSecond};
    EXPECT_LE(std::llabs(SecondsFromCivil(now) - SecondsFromCivil(expected)), 2);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);

    uint32_t before = clock.TickCount();
    clock.Sleep(60);
    EXPECT_GE(uint32_t(clock.TickCount() - before), 45u);
}

}  // namespace
}  // namespace nuv::win32
