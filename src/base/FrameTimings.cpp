#include "base/FrameTimings.h"

#include <algorithm>

#include "base/Log.h"

namespace nuv {

void TimingStat::Add(int64_t us) {
    ++count;
    totalUs += us;
    maxUs = std::max(maxUs, us);
}

std::string FrameTimings::Describe() const {
    return StrFormat(
        "[ Frame Timings : shape %lld x avg %lld us max %lld us; region %lld x avg %lld us max "
        "%lld us; paint %lld x avg %lld us max %lld us; first frame %lld ms ]",
        (long long)shape.count, (long long)shape.AverageUs(), (long long)shape.maxUs,
        (long long)region.count, (long long)region.AverageUs(), (long long)region.maxUs,
        (long long)paint.count, (long long)paint.AverageUs(), (long long)paint.maxUs,
        (long long)firstFrameMs);
}

}  // namespace nuv
