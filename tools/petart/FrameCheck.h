#pragma once
// Checks that a frame makes a good window shape: one solid figure, outlined all around,
// clear of the frame's edges.

#include <string>
#include <vector>

#include "formats/Image.h"

namespace nuv::art {

struct FrameReport {
    int pixels = 0;      // painted (not pure green) pixels
    int components = 0;  // groups of painted pixels touching at their sides
    int holes = 0;       // groups of green pixels that cannot reach the frame's edge
    int fringe = 0;      // painted pixels beside green that are not the outline colour
    bool touchesEdge = false;
    int lowestRow = -1;  // the lowest painted row, -1 when nothing is painted
    int topRow = -1;
};

FrameReport CheckFrame(const Image& frame, Pixel outline);
// The problems of a report in words; empty when the frame is fine.
std::vector<std::string> FrameProblems(const FrameReport& report);

}  // namespace nuv::art
