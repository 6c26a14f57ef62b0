#pragma once
// The clocks the frame timings are measured with: the performance counter and the creation of
// the process.

#include <cstdint>

#include "base/FrameTimings.h"

namespace nuv::win32 {

class StopWatch {
  public:
    StopWatch();
    // Microseconds since construction.
    int64_t ElapsedUs() const;

  private:
    int64_t start_;
};

// Milliseconds from the creation of this process until now.
int64_t MsSinceProcessStart();

}  // namespace nuv::win32
