#pragma once
// How long the frame changes take: the shape (region made and set) and the paint from the
// sheet, each summed and with its longest case, measured with the performance counter.

#include <cstdint>
#include <string>

namespace nuv::win32 {

class StopWatch {
  public:
    StopWatch();
    // Microseconds since construction.
    int64_t ElapsedUs() const;

  private:
    int64_t start_;
};

struct TimingStat {
    int64_t count = 0;
    int64_t totalUs = 0;
    int64_t maxUs = 0;

    void Add(int64_t us);
    int64_t AverageUs() const { return count ? totalUs / count : 0; }
};

struct FrameTimings {
    TimingStat shape;   // every shape given, whether it changed or not
    TimingStat region;  // the shapes that changed: a region made and set on the window
    TimingStat paint;
    // Milliseconds from the creation of the process to the end of the first frame's paint
    // (-1 before it).
    int64_t firstFrameMs = -1;

    // "[ Frame Timings : ... ]" for the log.
    std::string Describe() const;
};

// Milliseconds from the creation of this process until now.
int64_t MsSinceProcessStart();

}  // namespace nuv::win32
