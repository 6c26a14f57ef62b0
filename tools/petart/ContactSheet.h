#pragma once
// Overview pictures of the frames for a quick look: every frame with its number, or every
// animation as a row of its frames.

#include <vector>

#include "formats/Image.h"
#include "petart/AnimationBook.h"

namespace nuv::art {

// Frames in rows of `perRow`, each labelled with its number.
// The labels count from `firstNumber`.
Image FrameContactSheet(const std::vector<Image>& frames, int perRow, int firstNumber = 0);
// One row per animation: its id, then its frames in order (at most `maxFrames` of them);
// only the animations of `ids` when it is not empty.
Image AnimationContactSheet(const std::vector<Image>& frames, const CAnimationBook& book,
                            int maxFrames, const std::vector<int>& ids = {});
// Writes the decimal number with a 3 x 5 pixel digit font; returns the width used.
int DrawSmallNumber(Image& image, int x, int y, int number, Pixel colour);

}  // namespace nuv::art
