#include "petart/PoseKit.h"

#include <cmath>

#include "petart/PetPainter.h"

namespace nuv::art {

PetPose Breathing(int phase, double turn) {
    PetPose pose = StandingPose(turn);
    if (phase == 1) {
        pose.stretch = 1.03;
        pose.tailSway = 5;
        pose.pawLeft.y -= 0.5;
        pose.pawRight.y -= 0.5;
    }
    return pose;
}

PetPose Sitting(double turn) {
    PetPose pose = StandingPose(turn);
    pose.stretch = 0.93;
    pose.footLeft = {-11 + 4 * turn, -3};
    pose.footRight = {11 - 9 * turn, -3};
    pose.pawLeft = {-4 - 3 * turn, -17};
    pose.pawRight = {4 - 5 * turn, -17};
    pose.tailSway = 22;
    return pose;
}

PetPose Crouching(double depth, double turn) {
    PetPose pose = StandingPose(turn);
    pose.stretch = 1 - 0.16 * depth;
    pose.footLeft = {-10 + 3 * turn, -3};
    pose.footRight = {10 - 8 * turn, -3};
    pose.pawLeft = {-9 - turn * 2, -13};
    pose.pawRight = {9 - 8 * turn, -13};
    pose.earLeft = 10 * depth;
    pose.earRight = -10 * depth;
    pose.tailSway = 12 * depth;
    return pose;
}

PetPose Airborne(double stretch, double turn) {
    PetPose pose = StandingPose(turn);
    pose.stretch = stretch;
    pose.offset = {0, -3};
    pose.pawLeft = {-17 + 4 * turn, -36};
    pose.pawRight = {17 - 12 * turn, -36};
    pose.footLeft = {-6 + 2 * turn, 0};
    pose.footRight = {6 - 5 * turn, 0};
    pose.tailSway = -10;
    pose.earLeft = 12;
    pose.earRight = -12;
    return pose;
}

PetPose Squashed(double amount, double turn) {
    PetPose pose = StandingPose(turn);
    pose.stretch = 1 - 0.28 * amount;
    pose.footLeft = {-13 + 3 * turn, -3};
    pose.footRight = {13 - 8 * turn, -3};
    pose.pawLeft = {-16 + 3 * turn, -8};
    pose.pawRight = {16 - 10 * turn, -8};
    pose.tailSway = 25 * amount;
    pose.eyes = Eyes::Squint;
    pose.mouth = Mouth::Flat;
    pose.earLeft = -20 * amount;
    pose.earRight = 20 * amount;
    return pose;
}

PetPose WalkingStep(int step) {
    double phase = step * kPi / 3;
    PetPose pose = StandingPose(1);
    double c = std::cos(phase), s = std::sin(phase);
    pose.footLeft = {-4 - 5 * c, -3 - std::max(0.0, s) * 3};
    pose.footRight = {2 + 5 * c, -3 - std::max(0.0, -s) * 3};
    pose.stretch = 1 + std::fabs(s) * 0.025;
    pose.pawLeft = {-9 + 3 * c, -19};
    pose.pawRight = {-1 - 3 * c, -19};
    pose.tailSway = 6 * s;
    pose.earLeft = 4 * s;
    pose.earRight = 4 * s;
    pose.head = {0, std::fabs(s) * 0.6};
    return pose;
}

PetPose RunningStride(int step) {
    PetPose pose = StandingPose(1);
    pose.lean = -10;
    pose.mouth = Mouth::Open;
    pose.earLeft = 22;
    pose.earRight = 18;
    pose.tailSway = 38;
    pose.tailCurl = 0.7;
    pose.tailLength = 0.9;
    switch (step % 4) {
        case 0:  // stretched out
            pose.offset = {0, -4};
            pose.footLeft = {-15, -5};
            pose.footRight = {12, -3};
            pose.pawLeft = {-19, -24};
            pose.pawRight = {-2, -18};
            break;
        case 1:
            pose.offset = {0, -2};
            pose.footLeft = {-8, -4};
            pose.footRight = {7, -2};
            pose.pawLeft = {-15, -20};
            pose.pawRight = {-5, -18};
            pose.tailSway = 32;
            break;
        case 2:  // gathered
            pose.stretch = 0.95;
            pose.footLeft = {-2, -3};
            pose.footRight = {2, -4};
            pose.pawLeft = {-10, -16};
            pose.pawRight = {-6, -20};
            pose.tailSway = 44;
            break;
        default:
            pose.offset = {0, -2};
            pose.footLeft = {-6, -2};
            pose.footRight = {8, -4};
            pose.pawLeft = {-14, -22};
            pose.pawRight = {-4, -17};
            pose.tailSway = 36;
            break;
    }
    return pose;
}

PetPose Hanging(Vec grip, double swing) {
    PetPose pose = StandingPose(0);
    pose.stretch = 1.05;
    pose.lean = swing;
    pose.pawLeft = {-2.5, -76};
    pose.pawRight = {2.5, -76};
    pose.footLeft = {-6, 1};
    pose.footRight = {6, 1};
    pose.tailSway = 25 - swing * 0.5;
    pose.tailLength = 0.85;
    pose.eyes = Eyes::Happy;
    pose.mouth = Mouth::Open;
    pose = PawAt(pose, true, grip + Vec{-2.5, 0});
    return pose;
}

PetPose Falling(int step) {
    double phase = step;
    PetPose p = Airborne(1.05);
    p.offset = {0, -6};
    p.pawLeft = {-24 - 3 * phase, -52 + 4 * phase};
    p.pawRight = {24 + 3 * (1 - phase), -52 + 4 * (1 - phase)};
    p.footLeft = {-8, 2 - 2 * phase};
    p.footRight = {8, 0 + 2 * phase};
    p.eyes = Eyes::Squint;
    p.mouth = Mouth::Wide;
    p.tailSide = 0;
    p.tailSway = 0;
    p.tailLength = 0.7;
    p.tailOnGround = false;
    p.earLeft = 18;
    p.earRight = -18;
    return p;
}

PetPose HopPose(Hop phase) {
    PetPose p;
    switch (phase) {
        case Hop::Low:
            p = Crouching(0.4);
            break;
        case Hop::Deep:
        case Hop::WiggleLeft:
        case Hop::WiggleRight:
            p = Crouching(0.8);
            p.lean = phase == Hop::WiggleLeft ? -4 : (phase == Hop::WiggleRight ? 4 : 0);
            break;
        case Hop::Launch:
            p = Airborne(1.12);
            p.offset = {0, 0};
            p.mouth = Mouth::Open;
            break;
        case Hop::Rise:
            p = Airborne(1.05);
            p.offset = {0, -3};
            p.mouth = Mouth::Grin;
            p.extras = kSparkle;
            break;
        case Hop::Fall:
            p = Airborne(1.06);
            p.offset = {0, -2};
            p.mouth = Mouth::Open;
            p.pawLeft = {-16, -32};
            p.pawRight = {16, -32};
            break;
        case Hop::Land:
            p = Squashed(0.6);
            break;
        case Hop::Settle:
            p = Crouching(0.3);
            p.mouth = Mouth::Open;
            break;
    }
    p.eyes = phase == Hop::Fall ? Eyes::Open : Eyes::Happy;
    return p;
}

PetPose PawAt(PetPose pose, bool left, Vec target) {
    if (pose.mirrored) target.x = kFrameSize - target.x;
    Vec paw = left ? pose.pawLeft : pose.pawRight;
    Vec now = FigureTransform(pose, kFrameGround).Apply(paw);
    pose.offset = pose.offset + (target - now);
    return pose;
}

}  // namespace nuv::art
