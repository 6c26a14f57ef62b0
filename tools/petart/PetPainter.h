#pragma once
// Draws the pet in a pose: one frame of 128 x 128 pixels on pure green.

#include "petart/Canvas.h"
#include "petart/Geometry.h"
#include "petart/Palette.h"
#include "petart/PetPose.h"

namespace nuv::art {

constexpr int kFrameSize = 128;
constexpr int kGroundRow = 97;  // the lowest row of a standing pet

// Where the pet's ground point goes in a frame (before the pose's own offset).
constexpr Vec kFrameGround{kFrameSize / 2.0, kGroundRow - 2.0};

// The transform from the pet's coordinates to pixels for `pose` drawn at `ground`.
Affine FigureTransform(const PetPose& pose, Vec ground);

class CPetPainter {
  public:
    explicit CPetPainter(const Palette& palette) : palette_(palette) {}

    // The frame of `pose`; `enclosedPixels` receives how many pixels of closed-in gaps were
    // painted over.
    Image Draw(const PetPose& pose, int* enclosedPixels = nullptr) const;
    // The pet drawn into `canvas` with its ground point at `ground` (no frame, no mirroring).
    void DrawInto(CCanvas& canvas, const PetPose& pose, Vec ground) const;

    const Palette& palette() const { return palette_; }

  private:
    Palette palette_;
};

}  // namespace nuv::art
