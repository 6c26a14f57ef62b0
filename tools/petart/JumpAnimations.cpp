// Hops of the run, the leap to the left and the hop in place.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

PetPose SideJump(double stretch, Vec pawForward, Vec footBack, double lean) {
    PetPose p = Airborne(stretch, 1);
    p.offset = {0, 0};
    p.lean = lean;
    p.pawLeft = pawForward;
    p.pawRight = pawForward + Vec{9, 4};
    p.footLeft = footBack;
    p.footRight = footBack + Vec{6, -1};
    p.mouth = Mouth::Open;
    p.tailSway = 30;
    p.tailCurl = 0.6;
    return p;
}

void AddRunHops(CPetAnimator& a) {
    PetPose takeOff = SideJump(1.1, {-16, -30}, {4, -1}, -12);
    takeOff.eyes = Eyes::Squint;
    PetPose rising = SideJump(1.06, {-14, -36}, {2, -2}, -6);
    PetPose tucked = SideJump(0.94, {-13, -30}, {-5, -6}, 0);
    tucked.eyes = Eyes::Happy;
    PetPose apex = tucked;
    apex.mouth = Mouth::Grin;
    apex.extras = kSparkle;
    Poses up{takeOff, rising, rising, tucked, tucked, apex, apex};
    a.AddPair(21, "hop up left", 22, "hop up right", up, "hop rising 135 px while running");

    PetPose falling = SideJump(1.0, {-15, -38}, {-3, -4}, 4);
    falling.eyes = Eyes::Wide;
    falling.earLeft = -8;
    falling.earRight = -8;
    falling.tailSway = -5;
    PetPose reaching = SideJump(1.08, {-14, -30}, {-6, 0}, 6);
    reaching.eyes = Eyes::Open;
    Poses down{apex, falling, falling, falling, reaching, reaching, reaching};
    a.AddPair(23, "hop down left", 24, "hop down right", down, "hop falling 135 px");

    PetPose land = Squashed(0.5, 1);
    land.eyes = Eyes::Happy;
    a.AddPair(25, "hop land left", 26, "hop land right", {land, land, Breathing(0, 1)},
              "landing after a hop");
}

void AddLeap(CPetAnimator& a) {
    PetPose ready = Crouching(0.7, 1);
    ready.look = {-1, 0};
    ready.mouth = Mouth::Flat;
    PetPose wiggle = ready;
    wiggle.lean = 4;
    wiggle.tailSway = 20;
    PetPose launch = SideJump(1.1, {-18, -26}, {6, -2}, -16);
    launch.offset = {0, -3};
    PetPose fly = SideJump(1.0, {-20, -24}, {10, -8}, -22);
    fly.offset = {0, -12};
    fly.eyes = Eyes::Happy;
    PetPose fly2 = fly;
    fly2.lean = -8;
    fly2.offset = {0, -11};
    PetPose descend = SideJump(1.04, {-16, -22}, {-2, -3}, 8);
    descend.offset = {0, -4};
    PetPose land = Squashed(0.5, 1);
    land.eyes = Eyes::Happy;
    Poses poses{ready,   wiggle, ready,  wiggle, ready, launch,  fly, fly2,
                descend, land,   launch, fly,    fly2,  descend, land};
    a.Add(66, "leap left", a.FramesOf(poses), "two leaps to the left, 15 frames");
}

void AddHopInPlace(CPetAnimator& a) {
    Poses poses;
    for (Hop h : {Hop::Low, Hop::Deep, Hop::WiggleLeft, Hop::WiggleRight, Hop::Deep, Hop::Launch,
                  Hop::Rise, Hop::Rise, Hop::Fall, Hop::Land, Hop::Settle}) {
        poses.push_back(HopPose(h));
    }
    poses.push_back(Breathing(0));
    a.Add(78, "hop", a.FramesOf(poses), "hopping in place, 12 frames");
}

}  // namespace

void BuildJumpAnimations(CPetAnimator& a) {
    AddRunHops(a);
    AddLeap(a);
    AddHopInPlace(a);
}

}  // namespace nuv::art
