// The animation player: ticks, actions, frames and sequences.

#include "pet/ObjectWnd.h"
#include "pet/Pet.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "ports/PetWindow.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"

namespace nuv {

void CPet::Tick() {
    if (!curAction_) return;
    if (curAnim_ && curAnim_->soundIndex >= 0 && curAnim_->soundFrame == framePos_) {
        PlayPetSound(curAnim_->soundIndex);
    }
    switch (curAction_->id) {
        case ActionId::kWalkLeft:
            return WalkHandler(true);
        case ActionId::kWalkRight:
            return WalkHandler(false);
        case ActionId::kRunLeft:
            return RunHandler(true);
        case ActionId::kRunRight:
            return RunHandler(false);
        case ActionId::kGlide:
            return GlideHandler();
        case ActionId::kCatchCursor:
            return CatchHandler();
        case ActionId::kTalkNeeds:
        case ActionId::kTalkAdvertisement:
            return TalkHandler();
        default:
            break;
    }
    if (curAnim_ && curAnim_->id == AnimId::kHop) return HopHandler();
    if (curAnim_ && curAnim_->id == AnimId::kLeap) return LeapHandler();
    switch (curAction_->id) {
        case ActionId::kCatchAndCarry:
        case ActionId::kCatchAndBounce:
            return CatchHandler();
        case ActionId::kStroke:
            return StrokeHandler();
        case ActionId::kTag:
        case ActionId::kFastTag:
            return TagHandler();
        case ActionId::kOuting:
            return OutingHandler();
        case ActionId::kDropped:
            return FallHandler();
        case ActionId::kThrown:
            return ThrowHandler();
        default:
            return DefaultHandler();
    }
}

bool CPet::TimeIsUp() const {
    uint32_t elapsed = (clock_.TickCount() - actionStart_) / 1000;
    return uint32_t(curAction_->duration) <= elapsed;
}

void CPet::StartNextAction() {
    StartAction(PickNextAction(), true, false);
}

void CPet::DefaultHandler() {
    int result = AdvanceFrame();
    if (result != kSequenceCompleted) {
        ShowFrameRegion();
        return;
    }
    if (returnAction_ != -1) {
        StartAction(returnAction_, false, false);
    } else if (curAction_->id == ActionId::kDragged) {
        // Dragged: the list repeats until the drag ends.
    } else if (TimeIsUp()) {
        StartNextAction();
    }
}

int CPet::StartAction(int id, bool resetClock, bool keepReturn) {
    subState_ = 0;
    speed_ = 0;
    subCounter_ = 0;
    hookActive_ = false;
    ports_.hook->UnInstallHook();
    RestoreSequence();
    RestoreSystemCursors();
    if (curAction_ && curAction_->id == ActionId::kOuting) EndOuting();
    int previous = curAction_ ? curAction_->id : -1;

    const ActEntry* action = FindAction(id);
    if (!action) action = FindAction(ActionId::kFirst);
    if (!action) return previous;  // only a pet that failed its start has no first action
    curAction_ = action;
    animPos_ = 0;
    framePos_ = -1;
    if (!keepReturn) returnAction_ = -1;
    if (resetClock) actionStart_ = clock_.TickCount();
    if (action->id == ActionId::kDropped) speed_ = 5;
    curAnim_ = action->animations.empty() ? nullptr : FindAnimation(action->animations[0]);
    ports_.events->OnEvent({"action", {{"id", action->id}, {"prev", previous}}});

    if (!ReplaceCursorsForAction(action->id)) ApplyActionEffects(*action);
    return previous;
}

bool CPet::ReplaceCursorsForAction(int id) {
    int record;
    if (IsCarryGame(id))
        record = 0;
    else if (id == ActionId::kFastTag)
        record = 1;
    else if (IsTagGame(id))
        record = 2;
    else if (IsStrokeGame(id))
        record = 3;
    else if (IsBounceGame(id))
        record = 4;
    else
        return false;
    const std::vector<CurEntry>& cursors = Cursors().records;
    if (record < int(cursors.size())) {
        SetCursorFromFile(JoinPath(".\\PETS\\", cursors[record].file, ""));
    }
    return true;
}

std::vector<int>* CPet::CurrentList() {
    return curAction_ ? ActionAnimations(curAction_->id) : nullptr;
}

int CPet::LastListId() {
    std::vector<int>* list = CurrentList();
    return list && !list->empty() ? list->back() : -1;
}

int CPet::AdvanceFrame() {
    int result = 0;
    framePos_ += 1;
    if (!curAnim_ || framePos_ >= int(curAnim_->frames.size())) {
        framePos_ = 0;
        animPos_ += 1;
        result = kAnimationCompleted;
        std::vector<int>* list = CurrentList();
        if (!list || animPos_ >= int(list->size())) {
            animPos_ = 0;
            result = kSequenceCompleted;
        }
    }
    std::vector<int>* list = CurrentList();
    curAnim_ = list && animPos_ < int(list->size()) ? FindAnimation((*list)[animPos_]) : nullptr;
    return result;
}

int CPet::CurrentFrameNumber() const {
    if (!curAnim_ || curAnim_->frames.empty()) return -1;
    int position = framePos_ < 0 ? 0 : framePos_;
    if (position >= int(curAnim_->frames.size())) return -1;
    return curAnim_->frames[position];
}

bool CPet::ShowFrameRegion() {
    int frame = CurrentFrameNumber();
    if (frame < 0) return false;
    std::optional<Region> region = GetRegionHandle(frame);
    if (!region) return false;
    ports_.window->SetShape(*region);
    return true;
}

Rect CPet::FrameSource() const {
    int frame = CurrentFrameNumber();
    if (frame < 0 || frame >= count()) return {};  // no such frame: the last one stays
    Size size = GetFrameSize();
    int perRow = framesPerRow() > 0 ? framesPerRow() : 1;
    // 64 bits: the frame size comes from the script.
    int64_t x = int64_t(frame % perRow) * size.width, y = int64_t(frame / perRow) * size.height;
    if (size.width <= 0 || size.height <= 0 || x + size.width > sheetSize_.width ||
        y + size.height > sheetSize_.height) {
        return {};
    }
    return {int(x), int(y), int(x) + size.width, int(y) + size.height};
}

void CPet::DrawFrame() {
    Rect source = FrameSource();
    if (!source.IsEmpty()) ports_.window->PaintFromSheet(source);
}

void CPet::PlaySequence(std::initializer_list<int> animations) {
    std::vector<int>* list = CurrentList();
    if (!list) return;
    if (!savedSequence_) savedSequence_ = *list;
    list->assign(animations.begin(), animations.end());
    curAnim_ = list->empty() ? nullptr : FindAnimation(list->front());
    animPos_ = 0;
    framePos_ = 0;
}

void CPet::RestoreSequence() {
    if (!savedSequence_) return;
    if (std::vector<int>* list = CurrentList()) {
        *list = std::move(*savedSequence_);
        curAnim_ = list->empty() ? nullptr : FindAnimation(list->front());
    }
    savedSequence_.reset();
    animPos_ = 0;
    framePos_ = 0;
}

Rect CPet::GetPetRect() const {
    return ports_.window->GetRect();
}

void CPet::MovePetBy(int dx, int dy) {
    Rect rect = GetPetRect();
    ports_.window->Move(rect.left + dx, rect.top + dy);
}

}  // namespace nuv
