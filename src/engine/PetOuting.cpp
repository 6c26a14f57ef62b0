// The outing: the pet walks off to meet an object, goes away and comes back refreshed.

#include <algorithm>
#include <cstdint>

#include "base/Paths.h"
#include "engine/Ground.h"
#include "engine/ObjectWnd.h"
#include "engine/PetEngine.h"
#include "formats/PetInfo.h"
#include "ports/FileSystem.h"
#include "ports/PetPorts.h"
#include "ports/PetWindow.h"
#include "script/PetIds.h"

namespace nuv {
namespace {

enum OutingStage {
    kOutStart = 0,
    kWalkToObject = 1,
    kMeetObject = 2,
    kLookAtObject = 3,
    kObjectChanged = 4,
    kWalkAway = 5,
    kAway = 6,
    kComeBack = 7,
};

// The rectangle of `width` x `height` at (left, top) of the object image; the values come from
// the script, so a right or bottom edge beyond the int range is cut to it (the object window
// then refuses the piece).
Rect Piece(int left, int top, int width, int height) {
    auto edge = [](int64_t v) { return int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {left, top, edge(int64_t(left) + width), edge(int64_t(top) + height)};
}

}  // namespace

// The outing ends, done or cut short: its object goes and the pet is back in view.
void CPetEngine::EndOuting() {
    objectWnd_.reset();
    ports_.window->Show(true);
    Rect pet = GetPetRect();
    Monitor area = outingArea_.right > outingArea_.left ? outingArea_ : Desktop();
    outingArea_ = {};
    int x = KeptStart(pet.left, pet.Width(), area.left, area.right);
    if (x != pet.left) ports_.window->Move(x, pet.top);
}

void CPetEngine::OutingHandler() {
    const std::vector<ObjEntry>& objects = script_.Objects().records;
    if (objects.size() < 5) return StartNextAction();
    const ObjEntry& r3 = objects[3];
    const ObjEntry& r4 = objects[4];
    // The outing keeps to the monitor it began on, even while the pet is out of sight.
    if (subState_ == kOutStart || outingArea_.right <= outingArea_.left) outingArea_ = Desktop();
    const Monitor& desktop = outingArea_;
    const int frameWidth = script_.GetFrameSize().width;

    if (AdvanceFrame() == kSequenceCompleted) {
        // The meeting goes on even when the time ran out on the way: only the time away
        // depends on it.
        if (subState_ == kLookAtObject) {
            subState_ = kObjectChanged;
            if (objectWnd_) {
                Rect piece = Piece(r3.left, r3.top, r4.width, r4.height);
                objectWnd_->SetSourceRect(piece.left, piece.top, piece.right, piece.bottom);
            }
            PlaySequence({AnimId::kOutingObjectChanged});
        } else if (subState_ == kObjectChanged) {
            subState_ = kWalkAway;
            PlaySequence({AnimId::kOutingWalkAway});
        } else if (subState_ == kAway && TimeIsUp()) {
            objectWnd_.reset();
            ports_.window->Show(true);
            subState_ = kComeBack;
        }
    }
    if (subState_ == kOutStart) {
        subState_ = kWalkToObject;
        objectWnd_ =
            std::make_unique<CObjectWnd>(ports_.objects->CreateObjectWindow(), *ports_.files);
        ObjectDesc desc;
        desc.imagePath = JoinPath(".\\PETS\\", script_.Objects().objectImage, "");
        desc.source = Piece(r4.left, r4.top, r3.width, r3.height);
        desc.position = {desktop.left, int(std::clamp<int64_t>(int64_t(desktop.ground) - r3.height,
                                                               INT32_MIN, INT32_MAX))};
        objectWnd_->SetObject(desc);
        objectWnd_->ShowObject(true);
    }
    Rect pet = GetPetRect();
    if (subState_ == kWalkToObject) {
        speed_ = -10;
        if (pet.left - 10 <= desktop.left) {
            speed_ = desktop.left - pet.left;
            subState_ = kMeetObject;
        }
        MovePetBy(speed_, 0);
    }
    if (subState_ == kMeetObject) {
        PlaySequence({AnimId::kOutingMeetObject});
        subState_ = kLookAtObject;
    }
    if (subState_ == kWalkAway) {
        speed_ = 10;
        if (pet.left + 10 > desktop.right) {
            subState_ = kAway;
            ports_.window->Move(desktop.left - frameWidth, pet.top);
            ports_.window->Show(false);
        }
        MovePetBy(speed_, 0);
    }
    if (subState_ == kComeBack) {
        speed_ = 10;
        if (pet.left + 10 >= desktop.left + (desktop.right - desktop.left - frameWidth) / 2) {
            RestoreSequence();
            PetInfos& infos = state_.GetPetInfos();
            infos.PetS0 = infos.PetS1 = infos.PetS2 = infos.PetS3 = 5000;
            StartNextAction();
            return;
        }
        MovePetBy(speed_, 0);
    }
    ShowFrameRegion();
}

}  // namespace nuv
