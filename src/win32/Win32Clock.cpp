#include "win32/Win32Clock.h"

#include <ctime>

#include "win32/WinApi.h"

namespace nuv::win32 {

uint32_t Win32Clock::TickCount() {
    return uint32_t(GetTickCount());
}

LocalTime Win32Clock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

int64_t Win32Clock::CalendarTime() {
    return int64_t(std::time(nullptr));
}

void Win32Clock::Sleep(uint32_t milliseconds) {
    ::Sleep(DWORD(milliseconds));
}

}  // namespace nuv::win32
