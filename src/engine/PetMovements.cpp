// Walking, running, gliding, hopping and leaping along the desktop.

#include "base/Random.h"
#include "engine/Ground.h"
#include "engine/PetEngine.h"
#include "ports/Clock.h"
#include "ports/PetPorts.h"
#include "script/PetIds.h"

namespace nuv {

uint32_t CPetEngine::DrawSeed() {
    return uint32_t(random_.Next()) + clock_.TickCount();
}

namespace {

constexpr int kHopUp[7] = {15, 20, 25, 30, 25, 20, 0};
constexpr int kHopDown[7] = {0, 20, 25, 30, 25, 20, 15};
constexpr int kTakeOff[4] = {-20, -25, -10, 10};
constexpr int kHopInPlace[12] = {0, 0, 0, 0, 0, -30, -15, 22, 23, 0, 0, 0};
constexpr int kLeap[15] = {0, 0, 0, 0, 0, -10, -20, -20, -10, 0, -10, -20, -20, -10, 0};

template <std::size_t N>
int TableAt(const int (&table)[N], int position) {
    return position >= 0 && position < int(N) ? table[position] : 0;
}

}  // namespace

void CPetEngine::WalkHandler(bool left) {
    const int turn = left ? AnimId::kTurnLeftToRight : AnimId::kTurnRightToLeft;
    const int walk = left ? AnimId::kWalkLeft : AnimId::kWalkRight;
    if (AdvanceFrame() == kSequenceCompleted) {
        if (TimeIsUp()) return StartNextAction();
        if (LastListId() == turn) {
            RestoreSequence();
            StartAction(left ? ActionId::kWalkRight : ActionId::kWalkLeft, false, false);
            return;
        }
        if (int(DrawSeed() % 1000) < 40) PlaySequence({turn});
    }
    if (curAnim_ && curAnim_->id == walk) {
        Rect pet = GetPetRect();
        Monitor area = Desktop();
        int step = left ? -6 : 5;
        if (left && pet.left - 6 < area.left + 1) {
            step = area.left - pet.left;
            PlaySequence({turn});
        } else if (!left && pet.right + 5 >= area.right) {
            step = area.right - pet.right;
            PlaySequence({turn});
        }
        MovePetBy(step, 0);
    }
    ShowFrameRegion();
}

void CPetEngine::RunHandler(bool left) {
    if (AdvanceFrame() == kSequenceCompleted && !RunSequenceStep(left)) return;
    const int self = left ? ActionId::kRunLeft : ActionId::kRunRight,
              run = left ? AnimId::kRunLeft : AnimId::kRunRight,
              dash = left ? AnimId::kDashLeft : AnimId::kDashRight;
    const int hopUp = left ? AnimId::kHopUpLeft : AnimId::kHopUpRight;
    const int hopDown = left ? AnimId::kHopDownLeft : AnimId::kHopDownRight;
    const int turn = left ? AnimId::kTurnLeftToRight : AnimId::kTurnRightToLeft;
    int anim = curAnim_ ? curAnim_->id : -1;
    if (anim == run || anim == dash) {
        Rect pet = GetPetRect();
        Monitor area = Desktop();
        int step = left ? -20 : 20;
        bool hit = false;
        if (left && pet.left - 20 < area.left + 1) {
            step = area.left - pet.left;
            hit = anim == run;
        } else if (!left && pet.right + 20 >= area.right) {
            step = area.right - pet.right;
            hit = anim == run;
        }
        MovePetBy(step, 0);
        if (hit) {
            returnAction_ = self;
            PlaySequence({turn});
        }
    } else if (anim == hopUp) {
        MovePetBy(0, -TableAt(kHopUp, framePos_));
    } else if (anim == hopDown) {
        MovePetBy(0, TableAt(kHopDown, framePos_));
    }
    ShowFrameRegion();
}

// The run's choices at the end of its list; false when another action was started.
bool CPetEngine::RunSequenceStep(bool left) {
    const int self = left ? ActionId::kRunLeft : ActionId::kRunRight,
              dash = left ? AnimId::kDashLeft : AnimId::kDashRight,
              turn = left ? AnimId::kTurnLeftToRight : AnimId::kTurnRightToLeft;
    const int closing = left ? AnimId::kRunEndLeft : AnimId::kRunEndRight;
    if (TimeIsUp()) {
        if (curAnim_ && curAnim_->id == closing) {
            RestoreSequence();
            StartNextAction();
            return false;
        }
        PlaySequence({closing});
    } else if (LastListId() == turn) {
        RestoreSequence();
        StartAction(left ? ActionId::kRunRight : ActionId::kRunLeft, false, false);
        return false;
    } else if (returnAction_ != -1) {
        if (curAnim_ && curAnim_->id == dash) clock_.Sleep(500);
        RestoreSequence();
        returnAction_ = -1;
    } else {
        int r = int(DrawSeed() % 1000);
        if (r < 50) {
            returnAction_ = self;
            PlaySequence({dash});
        } else if (r < 200) {
            returnAction_ = self;
            left ? PlaySequence({AnimId::kHopUpLeft, AnimId::kHopDownLeft, AnimId::kHopEndLeft})
                 : PlaySequence({AnimId::kHopUpRight, AnimId::kHopDownRight, AnimId::kHopEndRight});
        } else if (r < 300) {
            returnAction_ = self;
            PlaySequence({turn});
        }
    }
    return true;
}

void CPetEngine::GlideHandler() {
    if (AdvanceFrame() == kSequenceCompleted && !GlideSequenceStep()) return;
    GlideMove();
    ShowFrameRegion();
}

// The glide's choices at the end of its list; false when another action was started.
bool CPetEngine::GlideSequenceStep() {
    int last = LastListId();
    if (last == AnimId::kGlideFall) {
        PlaySequence({AnimId::kGlideFall});
    } else if (last == AnimId::kGlide && (moveFlags_ & kMoveDown)) {
        int r = random_.Next() % 1000;
        if (r >= 200 && r <= 250) {
            PlaySequence({AnimId::kGlideFallStart, AnimId::kGlideFall});
            speed_ = 12;
        } else {
            PlaySequence({AnimId::kGlide});
        }
    } else if (last == AnimId::kGlideStopEnd) {
        moveFlags_ = kMoveDown;
        int r = int(DrawSeed() % 100);
        if (r < 40) {
            PlaySequence({AnimId::kGlide});
        } else if (r < 60) {
            PlaySequence({AnimId::kGlideFallStart, AnimId::kGlideFall});
            speed_ = 12;
        }
    } else if (last == AnimId::kGlideLandingEnd) {
        RestoreSequence();
        StartNextAction();
        return false;
    } else {
        int r = int(DrawSeed() % 1000);
        if (r < 200) {
            moveFlags_ = kMoveUp | kMoveLeft;
            PlaySequence({AnimId::kGlide, AnimId::kGlide});
        } else if (r < 400) {
            moveFlags_ = kMoveUp | kMoveRight;
            PlaySequence({AnimId::kGlide, AnimId::kGlide});
        } else if (r < 800) {
            moveFlags_ = kMoveUp;
            PlaySequence({AnimId::kGlide, AnimId::kGlide, AnimId::kGlide});
        } else {
            moveFlags_ = 0;
            PlaySequence({AnimId::kGlideStop, AnimId::kGlideStopEnd});
        }
    }
    return true;
}

void CPetEngine::GlideMove() {
    int anim = curAnim_ ? curAnim_->id : -1;
    Monitor desktop = Desktop();
    if (anim == AnimId::kGlideTakeOff) {
        MovePetBy(0, TableAt(kTakeOff, framePos_));
        moveFlags_ = kMoveUp;
        speed_ = 4;
    } else if (anim == AnimId::kGlide) {
        bool hit = false;
        if (moveFlags_ & kMoveUp) {
            Rect pet = GetPetRect();
            if (pet.top - speed_ < desktop.top + 1) speed_ = pet.top - desktop.top, hit = true;
            MovePetBy(0, -speed_);
        }
        if (moveFlags_ & kMoveDown) {
            Rect pet = GetPetRect();
            if (pet.bottom + speed_ - kGroundMargin >= desktop.ground) {
                speed_ = DropToGround(pet.bottom, desktop.ground);
                MovePetBy(0, speed_);
                PlaySequence({AnimId::kGlideLanding, AnimId::kGlideLandingEnd});
            } else {
                MovePetBy(0, speed_);
            }
        }
        if (moveFlags_ & kMoveLeft) {
            Rect pet = GetPetRect();
            if (pet.left - speed_ < desktop.left + 1) speed_ = pet.left - desktop.left, hit = true;
            MovePetBy(-speed_, 0);
        }
        if (moveFlags_ & kMoveRight) {
            Rect pet = GetPetRect();
            if (pet.right + speed_ >= desktop.right) speed_ = desktop.right - pet.right, hit = true;
            MovePetBy(speed_, 0);
        }
        if (hit) {
            if (moveFlags_ & (kMoveLeft | kMoveRight)) moveFlags_ ^= kMoveLeft | kMoveRight;
            if (moveFlags_ & kMoveUp) {
                moveFlags_ = 0;
                PlaySequence({AnimId::kGlideStop, AnimId::kGlideStopEnd});
            }
            speed_ = 4;
        }
    } else if (anim == AnimId::kGlideFall && (moveFlags_ & kMoveDown)) {
        Rect pet = GetPetRect();
        bool landing = pet.bottom + speed_ - kGroundMargin >= desktop.ground;
        speed_ = landing ? DropToGround(pet.bottom, desktop.ground) : speed_ + 2;
        MovePetBy(0, speed_);
        if (landing)
            PlaySequence({AnimId::kFallLanding, AnimId::kFallLandingEnd, AnimId::kGlideLanding,
                          AnimId::kGlideLandingEnd});
    }
}

void CPetEngine::HopHandler() {
    if (AdvanceFrame() == kSequenceCompleted) return StartNextAction();
    speed_ = TableAt(kHopInPlace, framePos_);
    MovePetBy(0, speed_);
    ShowFrameRegion();
}

void CPetEngine::LeapHandler() {
    if (AdvanceFrame() == kSequenceCompleted) return StartNextAction();
    int step = TableAt(kLeap, framePos_);
    Rect pet = GetPetRect();
    Monitor area = Desktop();
    if (pet.left + step < area.left)
        step = area.left - pet.left;
    else if (pet.right + step > area.right)
        step = area.right - pet.right;
    MovePetBy(step, 0);
    ShowFrameRegion();
}

}  // namespace nuv
