#pragma once
#include "ports/Clock.h"

namespace nuv::win32 {

// The system's clock: GetTickCount, GetLocalTime, the C library's time() and Sleep.
class Win32Clock : public IClock {
  public:
    uint32_t TickCount() override;
    LocalTime Now() override;
    int64_t CalendarTime() override;
    void Sleep(uint32_t milliseconds) override;
};

}  // namespace nuv::win32
