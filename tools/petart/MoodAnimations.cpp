// Feelings: dancing, joy, sadness, boredom, tiredness, hunger, curiosity, love, surprise.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

void AddDance(CPetAnimator& a) {
    PetPose left = Breathing(0);
    left.lean = -10;
    left.offset = {-3, 0};
    left.pawLeft = {-17, -36};
    left.pawRight = {13, -22};
    left.footLeft = {-9, -3};
    left.footRight = {9, -6};
    left.eyes = Eyes::Happy;
    left.mouth = Mouth::Open;
    left.tailSway = -8;
    left.extras = kNote;
    PetPose right = left;
    right.lean = 10;
    right.offset = {3, 0};
    right.pawLeft = {-13, -22};
    right.pawRight = {17, -36};
    right.footLeft = {-9, -6};
    right.footRight = {9, -3};
    right.tailSway = 14;
    right.extras = kNoExtra;
    PetPose down = Crouching(0.6);
    down.eyes = Eyes::Happy;
    down.mouth = Mouth::Smile;
    down.pawLeft = {-15, -27};
    down.pawRight = {15, -27};
    PetPose spin = StandingPose(1);
    spin.eyes = Eyes::Happy;
    spin.mouth = Mouth::Open;
    spin.pawLeft = {-14, -34};
    spin.pawRight = {2, -32};
    spin.offset = {0, -4};
    spin.footLeft = {-6, -4};
    spin.extras = kNote;
    int l = a.Frame(left), r = a.Frame(right), d = a.Frame(down), s = a.Frame(spin);
    int m = a.MirroredFrame(spin);
    a.Add(27, "dance", Joined({{l, l, d, r, r, d, l, l, d, r, r, d}, {s, s, m, m, d}}),
          "dancing side to side, twirling");
}

void AddJoy(CPetAnimator& a) {
    PetPose crouch = Crouching(0.8);
    crouch.eyes = Eyes::Happy;
    PetPose jump = Airborne(1.08);
    jump.offset = {0, -8};
    jump.eyes = Eyes::Happy;
    jump.mouth = Mouth::Grin;
    jump.extras = kSparkle;
    PetPose top = jump;
    top.offset = {0, -11};
    top.pawLeft = {-18, -40};
    top.pawRight = {18, -40};
    top.extras = kSparkle | kHeart;
    PetPose happy = Breathing(0);
    happy.eyes = Eyes::Happy;
    happy.mouth = Mouth::Open;
    int c = a.Frame(crouch), j = a.Frame(jump), t = a.Frame(top), h = a.Frame(happy);
    a.Add(28, "happy", {h, c, j, t, t, j, c, h, c, j, t, t, j, c, h, h}, "jumping for joy");
}

void AddSad(CPetAnimator& a) {
    PetPose sad = Sitting();
    sad.eyes = Eyes::Sad;
    sad.mouth = Mouth::Frown;
    sad.headTilt = 5;
    sad.head = {0, 2};
    sad.earLeft = -30;
    sad.earRight = 30;
    sad.tailSway = 32;
    sad.blush = false;
    PetPose tear = sad;
    tear.extras = kTear;
    PetPose sniff = tear;
    sniff.eyes = Eyes::Closed;
    sniff.head = {0, 3};
    int s = a.Frame(sad), t = a.Frame(tear), n = a.Frame(sniff);
    a.Add(29, "sad", Joined({Held({s}, 4), Held({t}, 4), {n, n}, Held({t}, 3)}),
          "sad, ears drooping, a tear");
}

void AddBored(CPetAnimator& a) {
    PetPose bored = Sitting();
    bored.eyes = Eyes::Half;
    bored.mouth = Mouth::Flat;
    bored.headTilt = -8;
    bored.tailSway = 30;
    bored.look = {1, 0.5};
    PetPose sigh = bored;
    sigh.mouth = Mouth::Talk;
    sigh.head = {0, 1};
    PetPose flick = bored;
    flick.tailSway = 20;
    flick.tailCurl = 0.6;
    int b = a.Frame(bored), s = a.Frame(sigh), f = a.Frame(flick);
    a.Add(30, "bored", Joined({Held({b}, 4), {f, b, f, b}, Held({s}, 4), Held({b}, 3)}),
          "bored, sighing, flicking its tail");
}

void AddTired(CPetAnimator& a) {
    PetPose tired = Squashed(0.3);
    tired.eyes = Eyes::Half;
    tired.mouth = Mouth::Talk;
    tired.extras = kSweat;
    tired.earLeft = -22;
    tired.earRight = 22;
    tired.headTilt = 4;
    PetPose pant = tired;
    pant.mouth = Mouth::Open;
    pant.stretch = 0.93;
    int t = a.Frame(tired), p = a.Frame(pant);
    a.Add(31, "tired", {t, p, t, p, t, p, t, t, p, p}, "tired and panting");
}

void AddHungry(CPetAnimator& a) {
    PetPose hungry = Breathing(0);
    hungry.eyes = Eyes::Sad;
    hungry.mouth = Mouth::Talk;
    hungry.pawLeft = {-4, -14};
    hungry.pawRight = {4, -14};
    hungry.earLeft = -15;
    hungry.earRight = 15;
    PetPose dream = hungry;
    dream.eyes = Eyes::Half;
    dream.mouth = Mouth::Tongue;
    dream.look = {-0.5, -1};
    int h = a.Frame(hungry), d = a.Frame(dream);
    a.Add(50, "hungry", Joined({Held({h}, 5), Held({d}, 5)}), "rubbing its empty tummy");
}

void AddCurious(CPetAnimator& a) {
    PetPose tilt = Breathing(0);
    tilt.headTilt = -12;
    tilt.eyes = Eyes::Open;
    tilt.mouth = Mouth::Talk;
    tilt.extras = kQuestion;
    tilt.earLeft = 6;
    PetPose tilt2 = tilt;
    tilt2.headTilt = 10;
    tilt2.look = {0.5, 0};
    int t = a.Frame(tilt), u = a.Frame(tilt2), s = a.Frame(Breathing(0));
    a.Add(51, "curious", Joined({Held({t}, 5), {s}, Held({u}, 5), {s}}),
          "tilting its head, puzzled");
}

void AddPout(CPetAnimator& a) {
    PetPose pout = Breathing(0);
    pout.eyes = Eyes::Half;
    pout.mouth = Mouth::Frown;
    pout.extras = kAnger | kPuffCheeks;
    pout.pawLeft = {-5, -17};
    pout.pawRight = {5, -17};
    pout.turn = 0.3;
    PetPose huff = pout;
    huff.extras = kAnger;
    huff.mouth = Mouth::Talk;
    int p = a.Frame(pout), h = a.Frame(huff);
    a.Add(53, "pout", Joined({Held({p}, 5), {h, h}, Held({p}, 4)}), "pouting, cheeks puffed");
}

void AddLove(CPetAnimator& a) {
    PetPose love = Breathing(0);
    love.eyes = Eyes::Happy;
    love.mouth = Mouth::Smile;
    love.pawLeft = {-4, -22};
    love.pawRight = {4, -22};
    love.extras = kHearts;
    love.headTilt = -5;
    PetPose love2 = love;
    love2.headTilt = 5;
    love2.extras = kHeart;
    love2.stretch = 1.03;
    int l = a.Frame(love), m = a.Frame(love2);
    a.Add(54, "love", Joined({Held({l}, 3), Held({m}, 3), Held({l}, 3), Held({m}, 3)}),
          "swaying happily with hearts");
}

void AddSurprise(CPetAnimator& a) {
    PetPose jump = Airborne(1.04);
    jump.offset = {0, -3};
    jump.eyes = Eyes::Wide;
    jump.mouth = Mouth::Talk;
    jump.extras = kExclaim;
    jump.tailSway = -20;
    jump.tailCurl = 0.2;
    PetPose stare = Breathing(0);
    stare.eyes = Eyes::Wide;
    stare.mouth = Mouth::Talk;
    stare.extras = kExclaim;
    int j = a.Frame(jump), s = a.Frame(stare);
    a.Add(55, "surprised", Joined({{j, j}, Held({s}, 6), {a.Frame(Breathing(0))}}),
          "startled jump");
}

void AddSideStanding(CPetAnimator& a) {
    PetPose side = Breathing(0, 1);
    PetPose side2 = Breathing(1, 1);
    PetPose blink = side;
    blink.eyes = Eyes::Closed;
    a.AddPair(56, "stand left", 57, "stand right",
              {side, side, side, side2, side2, side2, side, blink, side, side2, side2},
              "standing sideways");
}

}  // namespace

void BuildMoodAnimations(CPetAnimator& a) {
    AddDance(a);
    AddJoy(a);
    AddSad(a);
    AddBored(a);
    AddTired(a);
    AddHungry(a);
    AddCurious(a);
    AddPout(a);
    AddLove(a);
    AddSurprise(a);
    AddSideStanding(a);
}

}  // namespace nuv::art
