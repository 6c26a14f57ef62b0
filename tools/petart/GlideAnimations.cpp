// Gliding on the skin between paws and feet, falling and landing.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

// Spread out in the air, seen from the front; `flap` 0..2 ripples the skin.
PetPose Gliding(int flap) {
    PetPose p = StandingPose(0);
    p.membrane = true;
    double lift = flap == 1 ? -2.5 : (flap == 2 ? 1.5 : 0);
    p.pawLeft = {-31, -37 + lift};
    p.pawRight = {31, -37 + lift};
    p.footLeft = {-24, -7 - lift * 0.5};
    p.footRight = {24, -7 - lift * 0.5};
    p.offset = {0, -6};
    p.tailSide = 0;
    p.tailSway = 180;
    p.tailCurl = 0.1;
    p.tailLength = 0.75;
    p.tailOnGround = false;
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Open;
    p.earLeft = 10;
    p.earRight = -10;
    return p;
}

void AddTakeOffAndGlide(CPetAnimator& a) {
    PetPose crouch = Crouching(1);
    crouch.look = {0, -1};
    crouch.mouth = Mouth::Flat;
    PetPose jump = Airborne(1.1);
    jump.pawLeft = {-12, -52};
    jump.pawRight = {12, -52};
    jump.eyes = Eyes::Happy;
    jump.mouth = Mouth::Open;
    PetPose opening = Gliding(1);
    opening.pawLeft = {-24, -44};
    opening.pawRight = {24, -44};
    opening.footLeft = {-16, -4};
    opening.footRight = {16, -4};
    a.Add(36, "glide take off", a.FramesOf({crouch, jump, opening, Gliding(0)}),
          "leaping up and spreading out, 4 frames");
    a.Add(38, "glide", a.FramesOf({Gliding(0), Gliding(1), Gliding(0), Gliding(2)}),
          "gliding with the skin spread");
    PetPose brake = Gliding(1);
    brake.pawLeft = {-28, -46};
    brake.pawRight = {28, -46};
    brake.eyes = Eyes::Wide;
    brake.mouth = Mouth::Talk;
    a.Add(39, "glide stop", a.FramesOf({brake, brake, Gliding(1)}), "braking in the air");
    PetPose hover = Gliding(0);
    hover.eyes = Eyes::Open;
    hover.look = {0, 1};
    hover.mouth = Mouth::Smile;
    PetPose hover2 = Gliding(2);
    hover2.eyes = Eyes::Open;
    hover2.look = {0.5, 1};
    hover2.mouth = Mouth::Smile;
    a.Add(40, "glide hover", a.FramesOf({hover, hover2, hover, hover2}), "hovering, looking down");
}

void AddFallAndLanding(CPetAnimator& a) {
    PetPose folding = Gliding(1);
    folding.membrane = false;
    folding.pawLeft = {-25, -52};
    folding.pawRight = {25, -52};
    folding.footLeft = {-10, -2};
    folding.footRight = {10, -2};
    folding.eyes = Eyes::Wide;
    folding.mouth = Mouth::Talk;
    folding.extras = kExclaim;
    a.Add(41, "glide fall", a.FramesOf({folding, folding}), "losing the air, surprised");
    a.Add(42, "falling", a.FramesOf({Falling(0), Falling(1)}), "falling, paws flailing");
    PetPose splat = Squashed(1);
    PetPose bounce = Squashed(0.6);
    bounce.eyes = Eyes::Dizzy;
    a.Add(43, "crash landing", a.FramesOf({splat, splat, bounce}), "landing flat on the ground");
    PetPose dizzy = Sitting();
    dizzy.eyes = Eyes::Dizzy;
    dizzy.mouth = Mouth::Wide;
    dizzy.headTilt = -7;
    dizzy.earLeft = -20;
    dizzy.earRight = 20;
    PetPose dizzy2 = dizzy;
    dizzy2.headTilt = 7;
    dizzy2.mouth = Mouth::Flat;
    a.Add(44, "dizzy", a.FramesOf({dizzy, dizzy, dizzy2, dizzy2, dizzy, dizzy, dizzy2, dizzy2}),
          "sitting dizzy after a crash");
    a.Add(46, "land", a.FramesOf({HopPose(Hop::Deep), HopPose(Hop::Deep), HopPose(Hop::Settle)}),
          "touching down and getting up");
    PetPose shakeL = Breathing(0);
    shakeL.lean = -5;
    shakeL.eyes = Eyes::Closed;
    shakeL.tailSway = -8;
    PetPose shakeR = shakeL;
    shakeR.lean = 5;
    shakeR.tailSway = 10;
    PetPose proud = Breathing(0);
    proud.eyes = Eyes::Happy;
    proud.mouth = Mouth::Open;
    proud.extras = kSparkle;
    a.Add(47, "land done", a.FramesOf({shakeL, shakeR, shakeL, shakeR, proud, proud, proud}),
          "shaking off the fur, proud");
}

}  // namespace

void BuildGlideAnimations(CPetAnimator& a) {
    AddTakeOffAndGlide(a);
    AddFallAndLanding(a);
}

}  // namespace nuv::art
