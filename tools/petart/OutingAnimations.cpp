// The outing: finding an acorn on a stump, hugging it and carrying it away.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

void AddFind(CPetAnimator& a) {
    PetPose look = Breathing(0, 1);
    look.look = {-1, 0.3};
    look.extras = kExclaim;
    PetPose sniff = Breathing(0, 1);
    sniff.head = {-2, 1};
    sniff.eyes = Eyes::Closed;
    sniff.mouth = Mouth::Talk;
    PetPose sniff2 = sniff;
    sniff2.head = {-3, 0};
    PetPose reach = Breathing(1, 1);
    reach.lean = -6;
    reach.pawLeft = {-28, -30};
    reach.pawsOverHead = true;
    reach.eyes = Eyes::Open;
    reach.look = {-1, -0.5};
    reach.mouth = Mouth::Open;
    PetPose grab = reach;
    grab.pawLeft = {-30, -33};
    grab.eyes = Eyes::Happy;
    a.Add(84, "find acorn",
          a.FramesOf({look, look, look, sniff, sniff2, sniff, sniff2, reach, reach, grab, grab}),
          "spotting the acorn on the stump and reaching");
}

void AddHug(CPetAnimator& a) {
    PetPose hug = Breathing(0);
    hug.extras = kBigAcorn | kHeart;
    hug.propAt = {0, -20};
    hug.pawLeft = {-10, -20};
    hug.pawRight = {10, -22};
    hug.eyes = Eyes::Happy;
    hug.mouth = Mouth::Open;
    PetPose hop = hug;
    hop.offset = {0, -4};
    hop.extras = kBigAcorn | kHearts;
    hop.mouth = Mouth::Grin;
    PetPose sway = hug;
    sway.lean = -4;
    sway.extras = kBigAcorn;
    a.Add(85, "hug acorn", a.FramesOf({hug, hug, hop, hug, sway, hug, hop, hug}),
          "hugging the acorn, delighted");
}

void AddCarry(CPetAnimator& a) {
    Poses steps;
    for (int i = 0; i < 6; ++i) {
        PetPose p = WalkingStep(i);
        p.extras = kAcorn;
        p.propAt = {-13, -20};
        p.pawLeft = {-15, -16};
        p.pawRight = {-6, -18};
        p.eyes = Eyes::Happy;
        steps.push_back(p);
    }
    a.Add(86, "carry acorn", a.MirroredFramesOf(steps), "walking off to the right with the acorn");
}

}  // namespace

void BuildOutingAnimations(CPetAnimator& a) {
    AddFind(a);
    AddHug(a);
    AddCarry(a);
}

}  // namespace nuv::art
