// The game of tag: teasing from afar, running away, sneaking off, being caught.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

void AddTease(CPetAnimator& a) {
    // Standing far from the cursor and teasing it; poses face left, towards the cursor.
    PetPose tease = Breathing(0, 0.6);
    tease.eyes = Eyes::Wink;
    tease.mouth = Mouth::Tongue;
    tease.pawLeft = {-14, -40};
    tease.pawsOverHead = true;
    tease.tailSway = -6;
    PetPose tease2 = tease;
    tease2.pawLeft = {-16, -36};
    tease2.tailSway = 10;
    tease2.lean = 3;
    PetPose hop = Breathing(1, 0.6);
    hop.eyes = Eyes::Happy;
    hop.mouth = Mouth::Grin;
    hop.offset = {0, -3};
    hop.tailSway = 14;
    Poses poses{tease, tease2, tease, tease2, hop, hop};
    a.Add(110, "tease left", a.FramesOf(poses), "far from the cursor on its left: teasing");
    a.Add(108, "tease right", a.MirroredFramesOf(poses),
          "far from the cursor on its right: teasing");
}

void AddRunAway(CPetAnimator& a) {
    Poses run;
    for (int i = 0; i < 4; ++i)
        run.push_back(RunningStride(i));
    a.AddPair(107, "flee left", 109, "flee right", run, "running away from the cursor");

    Poses sneak;
    for (int i : {0, 1, 3, 4})
        sneak.push_back(WalkingStep(i));
    a.Add(92, "sneak left", a.FramesOf(sneak), "tiptoeing away from the near cursor, to the left");
    a.Add(87, "sneak right", a.MirroredFramesOf(sneak),
          "tiptoeing away from the near cursor, to the right");

    PetPose back = Breathing(0, 0.3);
    back.look = {1, 0};
    back.head = {2, 0};
    back.headTilt = 6;
    back.eyes = Eyes::Wide;
    back.mouth = Mouth::Talk;
    back.extras = kSweat;
    PetPose back2 = back;
    back2.eyes = Eyes::Open;
    back2.mouth = Mouth::Flat;
    Poses look{back, back2, back, back2};
    a.Add(93, "peek back left", a.FramesOf(look), "looking back at the cursor behind it");
    a.Add(88, "peek back right", a.MirroredFramesOf(look), "looking back at the cursor behind it");
}

void AddCaught(CPetAnimator& a) {
    PetPose startle = Airborne(1.05);
    startle.offset = {0, -3};
    startle.eyes = Eyes::Wide;
    startle.mouth = Mouth::Talk;
    startle.extras = kExclaim;
    PetPose giggle = Sitting();
    giggle.eyes = Eyes::Happy;
    giggle.mouth = Mouth::Grin;
    giggle.pawLeft = {-6, -30};
    giggle.pawRight = {6, -30};
    giggle.pawsOverHead = true;
    PetPose giggle2 = giggle;
    giggle2.lean = -4;
    giggle2.mouth = Mouth::Open;
    PetPose giggle3 = giggle;
    giggle3.lean = 4;
    giggle3.extras = kHeart;
    a.Add(
        130, "caught",
        a.FramesOf({startle, startle, giggle, giggle2, giggle3, giggle2, giggle3, giggle, giggle}),
        "caught in tag: startled, then giggling");
    PetPose puff = Squashed(0.35);
    puff.eyes = Eyes::Dizzy;
    puff.mouth = Mouth::Open;
    puff.extras = kSweat;
    PetPose puff2 = puff;
    puff2.mouth = Mouth::Talk;
    puff2.stretch = 0.95;
    PetPose laugh = Breathing(0);
    laugh.eyes = Eyes::Happy;
    laugh.mouth = Mouth::Grin;
    laugh.extras = kSweat;
    a.Add(128, "caught fast",
          a.FramesOf({startle, startle, puff, puff2, puff, puff2, laugh, laugh, laugh}),
          "caught in fast tag: out of breath, laughing");
}

}  // namespace

void BuildTagAnimations(CPetAnimator& a) {
    AddTease(a);
    AddRunAway(a);
    AddCaught(a);
}

}  // namespace nuv::art
