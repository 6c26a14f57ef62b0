// Standing, sitting, sleeping, eating, grooming, talking and being stroked.

#include "petart/PetAnimator.h"
#include "petart/PoseKit.h"

namespace nuv::art {
namespace {

PetPose WithEyes(PetPose pose, Eyes eyes) {
    pose.eyes = eyes;
    return pose;
}

void AddStanding(CPetAnimator& a) {
    int out = a.Frame(Breathing(0)), in = a.Frame(Breathing(1));
    a.Add(1, "stand", Joined({Held({out}, 4), Held({in}, 4)}), "standing, breathing");
    int half = a.Frame(WithEyes(Breathing(0), Eyes::Half));
    int shut = a.Frame(WithEyes(Breathing(0), Eyes::Closed));
    a.Add(2, "blink", {out, out, half, shut, half, out, out, out}, "blinking");

    PetPose left = Breathing(0);
    left.look = {-1, 0};
    left.head = {-1.5, 0};
    left.headTilt = -4;
    left.tailSway = -4;
    PetPose right = left;
    right.look = {1, 0};
    right.head = {1.5, 0};
    right.headTilt = 4;
    right.tailSway = 6;
    PetPose up = Breathing(0);
    up.look = {0.3, -1};
    up.head = {0, -1};
    int l = a.Frame(left), r = a.Frame(right), u = a.Frame(up);
    a.Add(3, "look around", Joined({Held({l}, 5), {out}, Held({r}, 5), {out}, Held({u}, 3), {out}}),
          "looking left, right and up");
}

void AddSitting(CPetAnimator& a) {
    PetPose sit = Sitting();
    PetPose half = Crouching(0.5);
    int stand = a.Frame(Breathing(0)), mid = a.Frame(half), down = a.Frame(sit);
    PetPose sitIn = sit;
    sitIn.stretch = 0.95;
    sitIn.tailSway = 26;
    int down2 = a.Frame(sitIn);
    PetPose sitBlink = sit;
    sitBlink.eyes = Eyes::Closed;
    int blink = a.Frame(sitBlink);
    a.Add(4, "sit down", {stand, mid, down}, "sitting down");
    a.Add(5, "sitting",
          Joined({Held({down}, 4), Held({down2}, 4), Held({down}, 4), {blink}, Held({down2}, 3)}),
          "sitting, breathing");
    a.Add(6, "stand up", {down, mid, stand}, "standing up from sitting");
}

void AddYawn(CPetAnimator& a) {
    PetPose stretchUp = Breathing(1);
    stretchUp.stretch = 1.07;
    stretchUp.pawLeft = {-16, -32};
    stretchUp.pawRight = {16, -32};
    stretchUp.eyes = Eyes::Closed;
    stretchUp.mouth = Mouth::Wide;
    stretchUp.earLeft = -8;
    stretchUp.earRight = 8;
    PetPose start = Breathing(0);
    start.eyes = Eyes::Half;
    start.mouth = Mouth::Talk;
    PetPose after = Breathing(0);
    after.eyes = Eyes::Half;
    after.mouth = Mouth::Flat;
    int s = a.Frame(start), up = a.Frame(stretchUp), end = a.Frame(after);
    a.Add(7, "yawn", Joined({{s}, Held({up}, 5), Held({end}, 3)}), "yawning with a stretch");
}

void AddSleep(CPetAnimator& a) {
    PetPose drowsy = Sitting();
    drowsy.eyes = Eyes::Half;
    drowsy.mouth = Mouth::Flat;
    PetPose nod = drowsy;
    nod.eyes = Eyes::Closed;
    nod.headTilt = 6;
    nod.head = {0, 2};
    PetPose sleep = Sitting();
    sleep.stretch = 0.86;
    sleep.headTilt = 10;
    sleep.head = {0, 3};
    sleep.eyes = Eyes::Closed;
    sleep.mouth = Mouth::Flat;
    sleep.earLeft = -10;
    sleep.earRight = 14;
    sleep.tailSway = 30;
    sleep.pawLeft = {-5, -14};
    sleep.pawRight = {5, -14};
    PetPose sleepIn = sleep;
    sleepIn.stretch = 0.88;
    sleepIn.extras = kSmallZ;
    PetPose sleepOut = sleep;
    sleepOut.extras = kZzz;
    int d = a.Frame(drowsy), n = a.Frame(nod), s = a.Frame(sleep);
    a.Add(8, "fall asleep", Joined({Held({d}, 3), Held({n}, 3), {d}, Held({n}, 3), {s}}),
          "nodding off");
    int in = a.Frame(sleepIn), out = a.Frame(sleepOut);
    a.Add(9, "sleeping", Joined({Held({s}, 3), Held({in}, 4), Held({out}, 5)}), "asleep with Zzz");
    PetPose stretchUp = Breathing(1);
    stretchUp.stretch = 1.07;
    stretchUp.pawLeft = {-16, -32};
    stretchUp.pawRight = {16, -32};
    stretchUp.eyes = Eyes::Closed;
    stretchUp.mouth = Mouth::Wide;
    PetPose awake = Breathing(0);
    awake.eyes = Eyes::Half;
    a.Add(10, "wake up",
          Joined({Held({s}, 2),
                  Held({d}, 2),
                  Held({a.Frame(stretchUp)}, 4),
                  Held({a.Frame(awake)}, 2),
                  {a.Frame(Breathing(0))}}),
          "waking up with a stretch");
}

void AddEat(CPetAnimator& a) {
    PetPose bite = Sitting();
    bite.extras = kAcorn | kPuffCheeks;
    bite.propAt = {0, -28};
    bite.pawsOverHead = true;
    bite.pawLeft = {-7, -27};
    bite.pawRight = {7, -27};
    bite.eyes = Eyes::Happy;
    bite.mouth = Mouth::Chew;
    PetPose chew = bite;
    chew.propAt = {0, -26};
    chew.pawLeft = {-7, -25};
    chew.pawRight = {7, -25};
    chew.eyes = Eyes::Closed;
    chew.head = {0, 1};
    PetPose look = bite;
    look.eyes = Eyes::Open;
    look.mouth = Mouth::Smile;
    look.propAt = {0, -21};
    look.pawLeft = {-8, -19};
    look.pawRight = {8, -19};
    look.extras = kAcorn;
    look.pawsOverHead = false;
    int b = a.Frame(bite), c = a.Frame(chew), l = a.Frame(look);
    a.Add(11, "eat", Joined({Held({l}, 3), {b, c, b, c, b, c}, Held({l}, 2), {b, c, b, c}}),
          "nibbling an acorn");
}

void AddGroom(CPetAnimator& a) {
    PetPose rub = Sitting();
    rub.pawsOverHead = true;
    rub.eyes = Eyes::Closed;
    rub.mouth = Mouth::Smile;
    rub.pawLeft = {-10, -39};
    rub.pawRight = {9, -43};
    rub.headTilt = -4;
    PetPose rub2 = rub;
    rub2.pawLeft = {-9, -44};
    rub2.pawRight = {10, -38};
    rub2.headTilt = 4;
    PetPose ear = Sitting();
    ear.pawsOverHead = true;
    ear.eyes = Eyes::Happy;
    ear.headTilt = -10;
    ear.pawLeft = {-19, -60};
    ear.pawRight = {5, -17};
    ear.earLeft = -15;
    int r1 = a.Frame(rub), r2 = a.Frame(rub2), e = a.Frame(ear), s = a.Frame(Sitting());
    a.Add(12, "groom", Joined({{s}, {r1, r2, r1, r2, r1, r2}, {s}, Held({e}, 4), {s}}),
          "washing its face and ears");
}

void AddTalk(CPetAnimator& a) {
    PetPose talk = Breathing(0);
    talk.mouth = Mouth::Talk;
    talk.pawLeft = {-15, -27};
    PetPose talk2 = Breathing(1);
    talk2.mouth = Mouth::Smile;
    talk2.pawLeft = {-15, -29};
    PetPose talk3 = Breathing(0);
    talk3.mouth = Mouth::Open;
    talk3.pawLeft = {-14, -25};
    talk3.headTilt = -3;
    int t1 = a.Frame(talk), t2 = a.Frame(talk2), t3 = a.Frame(talk3);
    a.Add(33, "talk", {t1, t2, t3, t2, t1, t1, t2, t3}, "talking, one paw gesturing");
    PetPose nod = Breathing(0);
    nod.eyes = Eyes::Happy;
    nod.head = {0, 2};
    nod.headTilt = 3;
    PetPose wink = Breathing(0);
    wink.eyes = Eyes::Wink;
    wink.mouth = Mouth::Tongue;
    int n = a.Frame(nod), w = a.Frame(wink), s = a.Frame(Breathing(0));
    a.Add(34, "done talking", Joined({Held({n}, 2), {s}, Held({w}, 4), {s}}),
          "a nod and a wink after talking");
}

void AddStroke(CPetAnimator& a) {
    PetPose wait = Breathing(0);
    wait.look = {0, -1};
    wait.head = {0, -1.5};
    wait.earLeft = 8;
    wait.earRight = -8;
    PetPose wait2 = Breathing(1);
    wait2.look = {0, -1};
    wait2.head = {0, -1.5};
    wait2.earLeft = 8;
    wait2.earRight = -8;
    a.Add(49, "stroke wait", Joined({Held({a.Frame(wait)}, 3), Held({a.Frame(wait2)}, 3)}),
          "looking up, waiting to be stroked");
    PetPose purr = Breathing(0);
    purr.eyes = Eyes::Closed;
    purr.headTilt = -7;
    purr.earLeft = 10;
    purr.earRight = 10;
    PetPose purr2 = purr;
    purr2.eyes = Eyes::Happy;
    purr2.headTilt = -11;
    purr2.extras = kHeart;
    purr2.tailSway = 8;
    int p1 = a.Frame(purr), p2 = a.Frame(purr2);
    a.Add(52, "stroke", {p1, p2, p2, p1}, "leaning into a stroke, purring");
}

}  // namespace

void BuildIdleAnimations(CPetAnimator& a) {
    AddStanding(a);
    AddSitting(a);
    AddYawn(a);
    AddSleep(a);
    AddEat(a);
    AddGroom(a);
    AddTalk(a);
    AddStroke(a);
}

}  // namespace nuv::art
