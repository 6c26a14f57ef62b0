#include "petart/FrameSheet.h"

#include <functional>

namespace nuv::art {
namespace {

size_t HashOf(const Image& image) {
    size_t h = std::hash<int>()(image.width() * 131 + image.height());
    for (Pixel p : image.pixels())
        h = h * 1000003u ^ p;
    return h;
}

}  // namespace

int CFrameSheet::Frame(const PetPose& pose) {
    int enclosed = 0;
    int number = Add(painter_.Draw(pose, &enclosed));
    if (enclosed > 0) enclosedGaps_[number] = enclosed;
    return number;
}

int CFrameSheet::Add(const Image& frame) {
    size_t h = HashOf(frame);
    auto range = byHash_.equal_range(h);
    for (auto it = range.first; it != range.second; ++it) {
        if (frames_[size_t(it->second)] == frame) return it->second;
    }
    int number = int(frames_.size());
    frames_.push_back(frame);
    byHash_.emplace(h, number);
    return number;
}

}  // namespace nuv::art
