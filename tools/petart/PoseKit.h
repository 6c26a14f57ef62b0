#pragma once
// Poses that many animations start from.

#include "petart/PetPose.h"

namespace nuv::art {

// Standing, breathing in (phase 1) or out (phase 0).
PetPose Breathing(int phase, double turn = 0);
// Sitting on its haunches, feet forward.
PetPose Sitting(double turn = 0);
// Bent down before a jump; `depth` 0..1.
PetPose Crouching(double depth, double turn = 0);
// In the air with paws raised; `stretch` above 1 reaches up.
PetPose Airborne(double stretch, double turn = 0);
// Squashed flat after a hard landing.
PetPose Squashed(double amount, double turn = 0);
// One step of the walk cycle (step 0..5) facing left.
PetPose WalkingStep(int step);
// One stride of the run cycle (step 0..3) facing left.
PetPose RunningStride(int step);
// Hanging from a point with both paws up; the paws meet at `grip` (frame pixels).
PetPose Hanging(Vec grip, double swing);
// Falling with paws flailing (phase 0 or 1).
PetPose Falling(int phase);
// The phases of a happy hop in place, shared by hopping and bouncing animations.
enum class Hop { Low, Deep, WiggleLeft, WiggleRight, Launch, Rise, Fall, Land, Settle };
PetPose HopPose(Hop phase);
// Moves the pose so that its left paw (or right paw) lands on the frame pixel `target`.
PetPose PawAt(PetPose pose, bool left, Vec target);

}  // namespace nuv::art
