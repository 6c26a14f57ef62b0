#pragma once
// The pet's frames, numbered in the order they are first drawn; a picture drawn twice keeps
// its first number.

#include <map>
#include <vector>

#include "petart/PetPainter.h"

namespace nuv::art {

class CFrameSheet {
  public:
    explicit CFrameSheet(const Palette& palette) : painter_(palette) {}

    // The number of the frame showing `pose`.
    int Frame(const PetPose& pose);
    int Add(const Image& frame);

    const std::vector<Image>& frames() const { return frames_; }
    const CPetPainter& painter() const { return painter_; }
    // Frames whose drawing closed in a gap, with the gap's size in pixels.
    const std::map<int, int>& enclosedGaps() const { return enclosedGaps_; }

  private:
    CPetPainter painter_;
    std::vector<Image> frames_;
    std::multimap<size_t, int> byHash_;
    std::map<int, int> enclosedGaps_;
};

}  // namespace nuv::art
