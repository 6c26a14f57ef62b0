// Being dragged with the mouse, dropped and thrown.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

// Where the mouse holds the pet while it is dragged (client point of the pet window).
const Vec kDragGrip{50.5, 15.5};

PetPose Dangling(double swing, Eyes eyes, Mouth mouth, double kick) {
    PetPose p = StandingPose(0);
    p.lean = swing;
    p.pawLeft = {-6, -76};
    p.pawRight = {13, -21 + kick};
    p.footLeft = {-6 - kick, 1};
    p.footRight = {6 + kick, 1 - kick};
    p.eyes = eyes;
    p.mouth = mouth;
    p.tailSway = 75 - swing;
    p.tailCurl = 0.5;
    p.tailLength = 0.85;
    p.tailOnGround = false;
    p.earLeft = 12;
    p.earRight = -4;
    p.headTilt = 4;
    return PawAt(p, true, kDragGrip);
}

void AddDragged(CPetAnimator& a) {
    Poses poses{Dangling(-5, Eyes::Wide, Mouth::Talk, 0), Dangling(4, Eyes::Wide, Mouth::Talk, 2),
                Dangling(-3, Eyes::Happy, Mouth::Open, 2),
                Dangling(3, Eyes::Happy, Mouth::Open, 0)};
    a.Add(100, "dragged",
          a.FramesOf(
              {poses[0], poses[1], poses[0], poses[1], poses[2], poses[3], poses[2], poses[3]}),
          "hanging from the mouse by one paw");
}

void AddDroppedAndThrown(CPetAnimator& a) {
    a.Add(101, "dropped", a.FramesOf({Falling(0), Falling(1)}), "falling after being let go");

    PetPose ball = Crouching(1);
    ball.stretch = 0.88;
    ball.pawLeft = {-6, -24};
    ball.pawRight = {6, -24};
    ball.footLeft = {-6, -5};
    ball.footRight = {6, -5};
    ball.eyes = Eyes::Squint;
    ball.mouth = Mouth::Open;
    ball.tailSway = -12;
    ball.tailOnGround = false;
    ball.offset = {0, -8};
    Poses spin;
    for (int i = 0; i < 4; ++i) {
        PetPose p = ball;
        p.lean = -90.0 * i;
        spin.push_back(p);
    }
    a.Add(102, "thrown", a.FramesOf(spin), "spinning through the air");

    PetPose splat = Squashed(1);
    PetPose dizzy = Sitting();
    dizzy.eyes = Eyes::Dizzy;
    dizzy.mouth = Mouth::Wide;
    dizzy.headTilt = -7;
    dizzy.earLeft = -20;
    dizzy.earRight = 20;
    PetPose okay = Breathing(0);
    okay.eyes = Eyes::Wink;
    okay.mouth = Mouth::Tongue;
    a.Add(103, "landed", a.FramesOf({splat, splat, dizzy, dizzy, dizzy, okay, okay}),
          "landing after a drop or a throw");
}

}  // namespace

void BuildHandlingAnimations(CPetAnimator& a) {
    AddDragged(a);
    AddDroppedAndThrown(a);
}

}  // namespace nuv::art
