// Drops, throws and hanging on the cursor.

#include "engine/Ground.h"
#include "engine/PetEngine.h"
#include "ports/PetPorts.h"
#include "ports/PetWindow.h"
#include "script/PetIds.h"

namespace nuv {

void CPetEngine::ThrowPet(int flags, int speedX, int speedY) {
    moveFlags_ = flags;
    throwSpeedX_ = speedX;
    throwSpeedY_ = speedY;
    StartAction(ActionId::kThrown, true, false);
}

void CPetEngine::Landed() {
    ports_.window->StopTimer(kTimerDrag);
    StartNextAction();
    ports_.window->StartTimer(kTimerTick, 120);
}

void CPetEngine::FallHandler() {
    speed_ += 10;
    Rect pet = GetPetRect();
    int ground = Desktop().ground;
    bool landed = pet.bottom + speed_ - kGroundMargin >= ground;
    if (landed) speed_ = DropToGround(pet.bottom, ground);
    MovePetBy(0, speed_);
    if (landed) return Landed();
    AdvanceFrame();
    ShowFrameRegion();
}

void CPetEngine::ThrowHandler() {
    int vx = (moveFlags_ & kMoveLeft) ? -throwSpeedX_ : throwSpeedX_;
    int vy = (moveFlags_ & kMoveUp) ? -throwSpeedY_ : throwSpeedY_;
    Rect pet = GetPetRect();
    // The pet flies on over the monitors beside its own and lands on the one under its centre.
    const Monitors& monitors = ports_.desktop->GetMonitors();
    Point centre = Anchor(pet);
    Monitor span = ThrowSpan(monitors, centre);
    if (pet.left + vx < span.left + 1) {
        vx = span.left - pet.left;
        moveFlags_ += kMoveLeft;
    }
    if (pet.right + vx >= span.right) {
        vx = span.right - pet.right;
        moveFlags_ -= kMoveLeft;
    }
    if (pet.top + vy < span.top + 1) {
        vy = span.top - pet.top;
        moveFlags_ += kMoveUp;
    }
    int ground = MonitorAt(monitors, {centre.x + vx, centre.y}).ground;
    bool landed = pet.bottom + vy - kGroundMargin >= ground;
    if (landed) {
        vy = DropToGround(pet.bottom, ground);
        Landed();
    }
    MovePetBy(vx, vy);
    AdvanceFrame();
    ShowFrameRegion();
}

void CPetEngine::OnHookCursor(int x, int y) {
    if (!hookActive_) return;
    Size frame = script_.GetFrameSize();
    ports_.window->MoveResize(x - frame.width / 2, y, frame.width, frame.height);
    ports_.window->Repaint();
}

}  // namespace nuv
