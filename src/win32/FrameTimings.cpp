#include "win32/FrameTimings.h"

#include "win32/WinApi.h"

namespace nuv::win32 {
namespace {

int64_t Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int64_t Frequency() {
    static const int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart > 0 ? f.QuadPart : 1;
    }();
    return frequency;
}

}  // namespace

StopWatch::StopWatch() : start_(Counter()) {}

int64_t StopWatch::ElapsedUs() const {
    return (Counter() - start_) * 1000000 / Frequency();
}

int64_t MsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return int64_t(b.QuadPart - a.QuadPart) / 10000;
}

}  // namespace nuv::win32
