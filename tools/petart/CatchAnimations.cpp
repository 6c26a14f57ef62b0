// The cursor games: looking up, jumping, hanging on the cursor, falling, landing, bouncing.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

// The hook lifts the pet by the top centre of its frame.
const Vec kCursorGrip{64, 8};

PetPose HangingWith(double swing, Eyes eyes, Mouth mouth, double kick = 0) {
    PetPose p = Hanging(kCursorGrip, swing);
    p.eyes = eyes;
    p.mouth = mouth;
    p.tailOnGround = false;
    p.footLeft = {-6 - kick, 1 - kick};
    p.footRight = {6 + kick, 1 + kick};
    return p;
}

PetPose LetGo(Eyes eyes, Mouth mouth, int step) {
    double phase = step;
    PetPose p = Airborne(1.06);
    p.offset = {0, -4};
    p.pawLeft = {-24 - 2 * phase, -50 + 3 * phase};
    p.pawRight = {24 + 2 * (1 - phase), -50 + 3 * (1 - phase)};
    p.footLeft = {-8, 1 - 2 * phase};
    p.footRight = {8, -1 + 2 * phase};
    p.eyes = eyes;
    p.mouth = mouth;
    p.tailSide = 0;
    p.tailLength = 0.7;
    p.tailOnGround = false;
    return p;
}

void AddLookAndJump(CPetAnimator& a) {
    PetPose look = Breathing(0);
    look.look = {0, -1};
    look.head = {0, -1.5};
    look.earLeft = 8;
    look.earRight = -8;
    PetPose point = look;
    point.pawLeft = {-28, -46};
    a.Add(70, "look up", a.FramesOf({look, look, point, point}), "looking up at the cursor");
    PetPose reach = Breathing(1);
    reach.look = {0, -1};
    reach.pawLeft = {-28, -52};
    reach.pawRight = {10, -20};
    reach.extras = kQuestion;
    PetPose hopUp = reach;
    hopUp.offset = {0, -4};
    hopUp.stretch = 1.05;
    a.Add(71, "reach up", a.FramesOf({reach, reach, hopUp, reach, reach}),
          "reaching up at a cursor too high");
    PetPose c1 = Crouching(0.6);
    c1.look = {0, -1};
    PetPose c2 = Crouching(1);
    c2.look = {0, -1};
    c2.mouth = Mouth::Flat;
    a.Add(72, "jump start", a.FramesOf({c1, c2}), "crouching to jump at the cursor");
    PetPose up = Airborne(1.1);
    up.offset = {0, -2};
    up.pawLeft = {-24, -56};
    up.pawRight = {24, -56};
    up.look = {0, -1};
    up.mouth = Mouth::Open;
    up.tailOnGround = false;
    PetPose up2 = up;
    up2.pawLeft = {-26, -50};
    up2.pawRight = {22, -60};
    up2.footLeft = {-8, -3};
    up2.footRight = {6, 1};
    a.Add(73, "jump", a.FramesOf({up, up2}), "in the air reaching up, also falling");
    PetPose land = Squashed(0.5);
    land.eyes = Eyes::Sad;
    land.mouth = Mouth::Frown;
    PetPose sulk = Breathing(0);
    sulk.eyes = Eyes::Sad;
    sulk.mouth = Mouth::Frown;
    sulk.look = {0, -1};
    a.Add(121, "jump miss", a.FramesOf({land, sulk}), "landing without the cursor");
}

void AddHanging(CPetAnimator& a) {
    Poses swing{HangingWith(-6, Eyes::Happy, Mouth::Open), HangingWith(0, Eyes::Happy, Mouth::Grin),
                HangingWith(6, Eyes::Happy, Mouth::Open), HangingWith(0, Eyes::Happy, Mouth::Grin)};
    a.Add(74, "hang", a.FramesOf(swing), "hanging on the cursor, swinging");
    PetPose grab = HangingWith(0, Eyes::Wide, Mouth::Talk);
    grab.extras = kSweat;
    PetPose grab2 = HangingWith(0, Eyes::Happy, Mouth::Grin, 2);
    a.Add(123, "catch carry", a.FramesOf({grab, grab, grab2, grab2}), "caught the cursor!");
    a.Add(124, "carried",
          a.FramesOf(
              {swing[0], swing[1], swing[2], swing[3], swing[0], swing[1], swing[2], swing[3]}),
          "carried along by the cursor, swinging");
    a.Add(125, "let go",
          a.FramesOf({LetGo(Eyes::Wide, Mouth::Talk, 0), LetGo(Eyes::Wide, Mouth::Talk, 1),
                      Falling(0), Falling(1)}),
          "letting go, then falling (loops from frame 2)");
    a.Add(126, "carry land",
          a.FramesOf({HopPose(Hop::Land), HopPose(Hop::Land), HopPose(Hop::Settle)}),
          "landing after the carry");
    PetPose cheer = Airborne(1.05);
    cheer.offset = {0, -3};
    cheer.pawLeft = {-24, -50};
    cheer.pawRight = {24, -50};
    cheer.eyes = Eyes::Happy;
    cheer.mouth = Mouth::Grin;
    cheer.extras = kSparkle;
    PetPose proud = Breathing(0);
    proud.eyes = Eyes::Happy;
    proud.mouth = Mouth::Open;
    a.Add(127, "carry done", a.FramesOf({cheer, cheer, proud, cheer, cheer, proud, proud}),
          "cheering after the carry");
}

void AddBounce(CPetAnimator& a) {
    PetPose grab = HangingWith(0, Eyes::Happy, Mouth::Grin);
    grab.extras = kSparkle;
    a.Add(137, "catch swing", a.FramesOf({grab, grab, HangingWith(0, Eyes::Happy, Mouth::Grin)}),
          "caught the cursor, ready to swing");
    PetPose far = HangingWith(-14, Eyes::Happy, Mouth::Grin, 3);
    PetPose back = HangingWith(14, Eyes::Happy, Mouth::Open, -3);
    a.Add(138, "swing",
          a.FramesOf({far, HangingWith(0, Eyes::Happy, Mouth::Grin), back,
                      HangingWith(0, Eyes::Happy, Mouth::Grin)}),
          "swinging wildly on the cursor");
    a.Add(139, "swing fall",
          a.FramesOf({LetGo(Eyes::Happy, Mouth::Grin, 0), LetGo(Eyes::Happy, Mouth::Grin, 1),
                      Falling(0), Falling(1)}),
          "jumping off happily (loops from frame 2)");
    a.Add(120, "bounce walk",
          a.FramesOf(
              {HopPose(Hop::Deep), HopPose(Hop::Launch), HopPose(Hop::Rise), HopPose(Hop::Fall)}),
          "bouncing along happily");
    PetPose squash = HopPose(Hop::Land);
    PetPose wave = Breathing(0);
    wave.eyes = Eyes::Happy;
    wave.mouth = Mouth::Open;
    wave.pawLeft = {-22, -44};
    PetPose wave2 = wave;
    wave2.pawLeft = {-26, -38};
    a.Add(122, "bounce done", a.FramesOf({squash, wave, wave2, wave, wave2, wave}),
          "landing from the bounce walk and waving");
}

}  // namespace

void BuildCatchAnimations(CPetAnimator& a) {
    AddLookAndJump(a);
    AddHanging(a);
    AddBounce(a);
}

}  // namespace nuv::art
