#pragma once
// How long the frame changes take: the shape given to the window and the paint from the
// sheet, each summed with its longest case; and the time from the start of the process to the
// end of the first frame's paint. The shells measure with their own clocks.

#include <cstdint>
#include <string>

namespace nuv {

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
    TimingStat paint;   // a frame's paint, from the sheet to the window
    // Milliseconds from the start of the process to the end of the first frame's paint (-1
    // before it, or when the start is unknown).
    int64_t firstFrameMs = -1;

    // Records the first frame's time after the first measured paint; `since` reads the
    // shell's clock of milliseconds since the process started.
    template <class Clock>
    void NoteFirstFrame(Clock since) {
        if (firstFrameMs < 0 && paint.count > 0) firstFrameMs = since();
    }

    // "[ Frame Timings : ... ]" for the log.
    std::string Describe() const;
};

}  // namespace nuv
