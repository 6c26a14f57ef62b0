// The animation player: ticks, actions, frames and sequences.

#include "engine/PetEngine.h"

#include "base/Paths.h"
#include "engine/Ground.h"
#include "engine/ObjectWnd.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "ports/PetPorts.h"
#include "ports/PetWindow.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"
#include "shape/RegionData.h"

namespace nuv {

CPetEngine::CPetEngine(CAniScript& script, const CRegionData& shapes, CPetInfo& state,
                       IPetServices& pet, const PetPorts& ports)
    : script_(script),
      shapes_(shapes),
      state_(state),
      pet_(pet),
      ports_(ports),
      clock_(*ports.clock) {}

CPetEngine::~CPetEngine() = default;

void CPetEngine::Reset(uint32_t seed) {
    curAction_ = nullptr;
    curAnim_ = nullptr;
    moveFlags_ = 0;
    animPos_ = 0;
    framePos_ = 0;
    returnAction_ = -1;
    random_.Seed(seed);
}

int CPetEngine::GetActionId() const {
    return curAction_ ? curAction_->id : -1;
}

Monitor CPetEngine::Desktop() const {
    return MonitorAt(ports_.desktop->GetMonitors(), Anchor(GetPetRect()));
}

void CPetEngine::Tick() {
    if (!curAction_) return;
    if (curAnim_ && curAnim_->soundIndex >= 0 && curAnim_->soundFrame == framePos_) {
        pet_.PlayPetSound(curAnim_->soundIndex);
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

bool CPetEngine::TimeIsUp() const {
    uint32_t elapsed = (clock_.TickCount() - actionStart_) / 1000;
    return uint32_t(curAction_->duration) <= elapsed;
}

void CPetEngine::StartNextAction() {
    StartAction(PickNextAction(), true, false);
}

void CPetEngine::DefaultHandler() {
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

int CPetEngine::StartAction(int id, bool resetClock, bool keepReturn) {
    subState_ = 0;
    speed_ = 0;
    subCounter_ = 0;
    hookActive_ = false;
    ports_.hook->UnInstallHook();
    RestoreSequence();
    pet_.RestoreSystemCursors();
    if (curAction_ && curAction_->id == ActionId::kOuting) EndOuting();
    int previous = curAction_ ? curAction_->id : -1;

    const ActEntry* action = script_.FindAction(id);
    if (!action) action = script_.FindAction(ActionId::kFirst);
    if (!action) return previous;  // only a pet that failed its start has no first action
    curAction_ = action;
    animPos_ = 0;
    framePos_ = -1;
    if (!keepReturn) returnAction_ = -1;
    if (resetClock) actionStart_ = clock_.TickCount();
    if (action->id == ActionId::kDropped) speed_ = 5;
    curAnim_ = action->animations.empty() ? nullptr : script_.FindAnimation(action->animations[0]);
    ports_.events->OnEvent({"action", {{"id", action->id}, {"prev", previous}}});

    if (!ReplaceCursorsForAction(action->id)) ApplyActionEffects(*action);
    return previous;
}

bool CPetEngine::ReplaceCursorsForAction(int id) {
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
    const std::vector<CurEntry>& cursors = script_.Cursors().records;
    if (record < int(cursors.size())) {
        pet_.SetCursorFromFile(JoinPath(".\\PETS\\", cursors[record].file, ""));
    }
    return true;
}

std::vector<int>* CPetEngine::CurrentList() {
    return curAction_ ? script_.ActionAnimations(curAction_->id) : nullptr;
}

int CPetEngine::LastListId() {
    std::vector<int>* list = CurrentList();
    return list && !list->empty() ? list->back() : -1;
}

int CPetEngine::AdvanceFrame() {
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
    curAnim_ =
        list && animPos_ < int(list->size()) ? script_.FindAnimation((*list)[animPos_]) : nullptr;
    return result;
}

int CPetEngine::CurrentFrameNumber() const {
    if (!curAnim_ || curAnim_->frames.empty()) return -1;
    int position = framePos_ < 0 ? 0 : framePos_;
    if (position >= int(curAnim_->frames.size())) return -1;
    return curAnim_->frames[position];
}

bool CPetEngine::ShowFrameRegion() {
    int frame = CurrentFrameNumber();
    if (frame < 0) return false;
    const Region* region = shapes_.FrameShape(frame);
    if (!region) return false;
    ports_.window->SetShape(*region);
    shownFrame_ = frame;
    return true;
}

const Region* CPetEngine::ShownShape() const {
    return shapes_.FrameShape(shownFrame_);
}

Rect CPetEngine::FrameSource() const {
    int frame = CurrentFrameNumber();
    if (frame < 0 || frame >= shapes_.count()) return {};  // no such frame: the last one stays
    Size size = script_.GetFrameSize();
    int perRow = shapes_.framesPerRow() > 0 ? shapes_.framesPerRow() : 1;
    // 64 bits: the frame size comes from the script.
    int64_t x = int64_t(frame % perRow) * size.width, y = int64_t(frame / perRow) * size.height;
    if (size.width <= 0 || size.height <= 0 || x + size.width > pet_.SheetSize().width ||
        y + size.height > pet_.SheetSize().height) {
        return {};
    }
    return {int(x), int(y), int(x) + size.width, int(y) + size.height};
}

void CPetEngine::DrawFrame() {
    Rect source = FrameSource();
    if (!source.IsEmpty()) ports_.window->PaintFromSheet(source);
}

void CPetEngine::PlaySequence(std::initializer_list<int> animations) {
    std::vector<int>* list = CurrentList();
    if (!list) return;
    if (!savedSequence_) savedSequence_ = *list;
    list->assign(animations.begin(), animations.end());
    curAnim_ = list->empty() ? nullptr : script_.FindAnimation(list->front());
    animPos_ = 0;
    framePos_ = 0;
}

void CPetEngine::RestoreSequence() {
    if (!savedSequence_) return;
    if (std::vector<int>* list = CurrentList()) {
        *list = std::move(*savedSequence_);
        curAnim_ = list->empty() ? nullptr : script_.FindAnimation(list->front());
    }
    savedSequence_.reset();
    animPos_ = 0;
    framePos_ = 0;
}

Rect CPetEngine::GetPetRect() const {
    return ports_.window->GetRect();
}

void CPetEngine::MovePetBy(int dx, int dy) {
    Rect rect = GetPetRect();
    ports_.window->Move(rect.left + dx, rect.top + dy);
}

}  // namespace nuv
