// The games: catching the cursor, stroking and tag.

#include <algorithm>
#include <cstdlib>

#include "engine/Ground.h"
#include "engine/PetEngine.h"
#include "ports/Desktop.h"
#include "ports/PetPorts.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"

namespace nuv {
namespace {

constexpr int kJump[8] = {-20, -35, -25, -20, 20, 35, 25, 20};
constexpr int kBounce[9] = {-15, -20, -15, -10, 0, 10, 15, 20, 15};
constexpr int kCaughtCursorResource = 168;

enum CatchStage {
    kLooking = 0,
    kApproach = 1,
    kStep = 2,
    kUnderCursor = 3,
    kJumpUp = 4,
    kJumping = 5,
    kHanging = 6,
    kFalling = 7,
    kLanded = 8,
    kBounceWalk = 9,
};

}  // namespace

void CPetEngine::CatchHandler() {
    const int id = curAction_->id;
    if (id == ActionId::kCatchAndBounce && subState_ == kBounceWalk) return BounceWalk();
    if (AdvanceFrame() == kSequenceCompleted && !CatchSequenceStep()) return;

    Point cursor = ports_.desktop->GetCursorPos();
    Rect pet = GetPetRect();
    int cx = (pet.left + pet.right) / 2;
    if (subState_ == kApproach) {
        if (cx == cursor.x) {
            subState_ = kUnderCursor;
            speed_ = 0;
            moveFlags_ = 0;
        } else {
            subState_ = kStep;
            bool right = cx < cursor.x;
            moveFlags_ = right ? kMoveRight : kMoveLeft;
            int chase = right ? AnimId::kRunRight : AnimId::kRunLeft;
            if (!curAnim_ || curAnim_->id != chase) PlaySequence({chase});
        }
    }
    if (subState_ == kStep) {
        if (moveFlags_ & kMoveRight)
            speed_ = cx + 20 > cursor.x ? cursor.x - cx : 20;
        else
            speed_ = cx - 20 < cursor.x ? cursor.x - cx : -20;
        // A cursor beyond the desktop's edge is followed only to the edge.
        Monitor area = Desktop();
        if (pet.left + speed_ < area.left) speed_ = area.left - pet.left;
        if (pet.right + speed_ > area.right) speed_ = area.right - pet.right;
        MovePetBy(speed_, 0);
        subState_ = kApproach;
    }
    if (subState_ == kUnderCursor) {
        Monitor area = Desktop();
        int reach = (area.ground - area.top) / 2 - script_.GetFrameSize().height - 30;
        if (pet.top - cursor.y <= reach) {
            subState_ = kJumpUp;
            PlaySequence({AnimId::kJumpStart});
        } else {
            subState_ = kLooking;
            PlaySequence({AnimId::kLookUp, AnimId::kLookUpEnd});
        }
    }
    if (subState_ == kJumping) {
        if (GetPetRect().Contains(cursor.x, cursor.y)) {
            Catch();
        } else {
            MovePetBy(0, kJump[subCounter_ % 8]);
            if (++subCounter_ >= 8) {
                subCounter_ = 0;
                return;
            }
        }
    }
    if (subState_ == kFalling) Fall();
    ShowFrameRegion();
}

// The catch games' choices at the end of a list; false when another action was started.
bool CPetEngine::CatchSequenceStep() {
    const int id = curAction_->id;
    if (id == ActionId::kCatchAndCarry && subState_ == kLanded) {
        // The landing has played: the catch succeeded, even when the time ran out meanwhile.
        RestoreSequence();
        TextBalloon(TextId::kCarrySuccess, {curAction_->deltaS0, curAction_->deltaPoint});
        StartAction(ActionId::kCarryReward, true, false);
        return false;
    }
    int last = LastListId();
    if (!TimeIsUp()) {
        if (last == AnimId::kLookUpEnd) {
            subState_ = kApproach;
        } else if (last == AnimId::kJumpStart) {
            subState_ = kJumping;
            PlaySequence({AnimId::kJump, AnimId::kJump, AnimId::kJump, AnimId::kJump});
        } else if (last == AnimId::kJump) {
            PlaySequence({AnimId::kJumpLanded, AnimId::kLookUp, AnimId::kLookUpEnd});
            subState_ = kLooking;
        } else if (id != ActionId::kCatchCursor) {
            if (subState_ == kHanging) {
                Release(false);
            } else if (subState_ == kFalling) {
                // The fall goes on from its third frame (or its last, when shorter).
                int frames = curAnim_ ? int(curAnim_->frames.size()) : 0;
                framePos_ = std::max(std::min(2, frames - 1), 0);
            }
        }
        return true;
    }
    if (subState_ == kHanging) Release(true);
    bool ends = id == ActionId::kCatchCursor ? subState_ != kFalling : subState_ < kHanging;
    if (ends) {
        subState_ = 0;
        subCounter_ = 0;
        RestoreSequence();
        StartNextAction();
        return false;
    }
    return true;
}

void CPetEngine::Catch() {
    const int id = curAction_->id;
    subState_ = kHanging;
    if (id == ActionId::kCatchCursor) {
        PlaySequence({AnimId::kHang});
    } else {
        pet_.RestoreSystemCursors();
        pet_.SetCursorFromResource(kCaughtCursorResource);
        if (id == ActionId::kCatchAndCarry) {
            ApplyActionEffects(*curAction_);
            PlaySequence({AnimId::kCarryHang, AnimId::kCarryHangEnd});
        } else {
            PlaySequence({AnimId::kBounceHang, AnimId::kBounceHangEnd});
        }
    }
    hookActive_ = true;
    ports_.hook->InitHooksDll();
    ports_.hook->InstallHook();
}

void CPetEngine::Release(bool timeUp) {
    const int id = curAction_->id;
    hookActive_ = false;
    ports_.hook->UnInstallHook();
    if (id != ActionId::kCatchCursor) pet_.RestoreSystemCursors();
    subState_ = kFalling;
    speed_ = 10;
    int fall = id == ActionId::kCatchCursor     ? AnimId::kJump
               : id == ActionId::kCatchAndCarry ? AnimId::kCarryFall
               : timeUp                         ? AnimId::kCarryFall
                                                : AnimId::kBounceFall;
    PlaySequence({fall});
}

void CPetEngine::Fall() {
    // The landing is tested with the step about to be taken, so the pet never sinks below
    // the ground.
    Rect pet = GetPetRect();
    int ground = Desktop().ground;
    if (pet.bottom + speed_ + 10 - kGroundMargin < ground) {
        speed_ += 10;
    } else {
        speed_ = DropToGround(pet.bottom, ground);
        const int id = curAction_->id;
        if (id == ActionId::kCatchCursor) {
            subState_ = kLanded;
        } else if (id == ActionId::kCatchAndCarry) {
            PlaySequence({AnimId::kCarryLand, AnimId::kCarryLandEnd});
            subState_ = kLanded;
        } else {
            PlaySequence({AnimId::kBounceWalk});
            ApplyActionEffects(*curAction_);
            subState_ = kBounceWalk;
            // A bounce cut short by another action must not go on here; the direction stays.
            bouncing_ = false;
            bounceIndex_ = 0;
        }
    }
    MovePetBy(0, speed_);
}

void CPetEngine::BounceWalk() {
    if (AdvanceFrame() == kSequenceCompleted && !bouncing_) {
        if (curAnim_ && curAnim_->id == AnimId::kBounceEnd) {
            RestoreSequence();
            TextBalloon(TextId::kBounceSuccess, {curAction_->deltaS1, curAction_->deltaPoint});
            StartAction(ActionId::kBounceReward, true, false);
            return;
        }
        PlaySequence({AnimId::kBounceEnd});
    }
    if (curAnim_ && curAnim_->id == AnimId::kBounceWalk) {
        Rect pet = GetPetRect();
        Monitor area = Desktop();
        int step;
        if (!bounceRight_) {
            step = -10;
            if (pet.left - 10 <= area.left) {
                step = area.left - pet.left;
                bouncing_ = true;
                bounceRight_ = true;
            }
        } else {
            step = 10;
            if (pet.right + 10 >= area.right) {
                step = area.right - pet.right;
                bouncing_ = true;
                bounceRight_ = false;
            }
        }
        int dy = 0;
        if (bouncing_) {
            dy = kBounce[bounceIndex_];
            if (++bounceIndex_ >= 9) {
                bounceIndex_ = 0;
                bouncing_ = false;
            }
        }
        MovePetBy(step, dy);
    }
    ShowFrameRegion();
}

void CPetEngine::StrokeHandler() {
    int result = AdvanceFrame();
    if (TimeIsUp()) {
        pet_.RestoreSystemCursors();
        RestoreSequence();
        if (subState_ >= 46) {
            ApplyActionEffects(*curAction_);
            TextBalloon(TextId::kStrokeSuccess, {curAction_->deltaS2, curAction_->deltaPoint});
            StartAction(ActionId::kStrokeReward, true, false);
        } else {
            StartNextAction();
        }
        return;
    }
    if (curAnim_ && curAnim_->id == AnimId::kStroked && result == kSequenceCompleted)
        RestoreSequence();
    ShowFrameRegion();
}

void CPetEngine::TagHandler() {
    const bool fast = curAction_->id == ActionId::kFastTag;
    if (AdvanceFrame() == kSequenceCompleted) {
        const int caught = fast ? AnimId::kFastTagCaught : AnimId::kTagCaught;
        if (curAnim_ && curAnim_->id == caught) {
            RestoreSequence();
            pet_.RestoreSystemCursors();
            if (fast) {
                TextBalloon(TextId::kFastTagSuccess,
                            {curAction_->deltaS0, curAction_->deltaS1, curAction_->deltaS2,
                             curAction_->deltaS3, curAction_->deltaPoint});
            } else {
                TextBalloon(TextId::kTagSuccess, {curAction_->deltaS3, curAction_->deltaPoint});
            }
            StartAction(fast ? ActionId::kStrokeReward : ActionId::kTagReward, true, false);
            return;
        }
        if (TimeIsUp()) {
            RestoreSequence();
            pet_.RestoreSystemCursors();
            StartNextAction();
            return;
        }
        FleeFromCursor();
    }
    Rect pet = GetPetRect();
    Monitor area = Desktop();
    int anim = curAnim_ ? curAnim_->id : -1;
    int factor = fast ? 2 : 1;
    speed_ = 0;
    if (anim == AnimId::kFleeLeft || anim == AnimId::kFleeNearLeft) {
        speed_ = (anim == AnimId::kFleeLeft ? -20 : -10) * factor;
        if (pet.left + speed_ <= area.left) speed_ = area.left - pet.left;
    } else if (anim == AnimId::kFleeRight || anim == AnimId::kFleeNearRight) {
        speed_ = (anim == AnimId::kFleeRight ? 20 : 10) * factor;
        if (pet.right + speed_ >= area.right) speed_ = area.right - pet.right;
    }
    MovePetBy(speed_, 0);
    ShowFrameRegion();
}

void CPetEngine::FleeFromCursor() {
    Rect pet = GetPetRect();
    Point cursor = ports_.desktop->GetCursorPos();
    Monitor desktop = Desktop();
    int width = desktop.right - desktop.left, height = desktop.ground - desktop.top;
    int dx = (pet.left + pet.right) / 2 - cursor.x;
    int dy = (pet.top + pet.bottom) / 2 - cursor.y;
    if (std::abs(dx) >= width / 4 || std::abs(dy) >= height / 4) {
        dx < 0 ? PlaySequence({AnimId::kFleeFarLeft, AnimId::kFleeFarLeft})
               : PlaySequence({AnimId::kFleeFarRight, AnimId::kFleeFarRight});
    } else if (std::abs(dx) >= width / 8 || std::abs(dy) >= height / 8) {
        dx < 0 ? PlaySequence({AnimId::kFleeLeft}) : PlaySequence({AnimId::kFleeRight});
    } else {
        dx < 0 ? PlaySequence({AnimId::kFleeNearLeft, AnimId::kFleeNearLeftEnd})
               : PlaySequence({AnimId::kFleeNearRight, AnimId::kFleeNearRightEnd});
    }
}

void CPetEngine::OnGameClick(int x, int y) {
    int id = GetActionId();
    if (IsStrokeGame(id)) {
        PlaySequence({AnimId::kStroked});
        subState_ += 1;
    } else if (IsClickGame(id)) {
        pet_.RestoreSystemCursors();
        pet_.SetCursorFromResource(kCaughtCursorResource);
        ApplyActionEffects(*curAction_);
        IsFastTagGame(id) ? PlaySequence({AnimId::kFastTagCaught})
                          : PlaySequence({AnimId::kTagCaught});
    }
}

}  // namespace nuv
