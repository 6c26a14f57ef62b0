// Turning, walking, running and dashing along the ground.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

void AddTurns(CPetAnimator& a) {
    PetPose side = Breathing(0, 1);
    PetPose half = Breathing(0, 0.5);
    half.look = {-0.5, 0};
    PetPose front = Breathing(0);
    front.eyes = Eyes::Closed;
    int sideLeft = a.Frame(side), halfLeft = a.Frame(half), middle = a.Frame(front);
    int halfRight = a.MirroredFrame(half), sideRight = a.MirroredFrame(side);
    a.Add(13, "turn right", {sideLeft, halfLeft, middle, halfRight, sideRight},
          "turning from facing left to facing right");
    a.Add(14, "turn left", {sideRight, halfRight, middle, halfLeft, sideLeft},
          "turning from facing right to facing left");
}

void AddWalks(CPetAnimator& a) {
    Poses steps;
    for (int i = 0; i < 6; ++i)
        steps.push_back(WalkingStep(i));
    a.AddPair(15, "walk left", 16, "walk right", steps, "walking");
}

void AddRuns(CPetAnimator& a) {
    Poses strides;
    for (int i = 0; i < 4; ++i)
        strides.push_back(RunningStride(i));
    a.AddPair(17, "run left", 18, "run right", strides, "running, also chasing the cursor");

    Poses dash;
    for (int i : {0, 2}) {
        PetPose p = RunningStride(i);
        p.lean = -18;
        p.eyes = Eyes::Squint;
        p.mouth = Mouth::Grin;
        p.earLeft = 32;
        p.earRight = 28;
        p.tailSway = 48;
        p.tailCurl = 0.4;
        p.extras = kSweat;
        dash.push_back(p);
    }
    a.AddPair(19, "dash left", 20, "dash right", {dash[0], dash[1], dash[0], dash[1]},
              "dashing at full speed");

    PetPose skid = StandingPose(1);
    skid.lean = 12;
    skid.footLeft = {-14, -3};
    skid.footRight = {-6, -3};
    skid.pawLeft = {-14, -26};
    skid.pawRight = {-2, -24};
    skid.eyes = Eyes::Wide;
    skid.mouth = Mouth::Talk;
    skid.earLeft = -14;
    skid.earRight = -14;
    skid.tailSway = -20;
    Poses stop{skid, skid, Breathing(0, 1), Breathing(1, 1), Breathing(0, 1)};
    a.Add(118, "run stop left", a.FramesOf(stop), "skidding to a stop after running left");
    a.Add(60, "run stop right", a.MirroredFramesOf(stop), "skidding to a stop after running right");
}

}  // namespace

void BuildWalkAnimations(CPetAnimator& a) {
    AddTurns(a);
    AddWalks(a);
    AddRuns(a);
}

}  // namespace nuv::art
