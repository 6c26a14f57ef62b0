// Balloons and talk.

#include <algorithm>

#include "balloon/BalloonWnd.h"
#include "base/Random.h"
#include "pet/Pet.h"
#include "script/PetIds.h"

namespace nuv {

void CPet::TalkHandler() {
    AdvanceFrame();
    if (!ShowFrameRegion() || openBalloon_) return;
    const bool advertisement = curAction_->id == ActionId::kTalkAdvertisement;
    const std::string* text = advertisement ? PickAdMessage(DrawSeed()) : PickNeedMessage();
    if (!text) {
        // Nothing to say: the talk ends as if its balloon had closed.
        RestoreSequence();
        StartNextAction();
        return;
    }
    if (!OpenBalloon(advertisement ? 0 : 1, *text)) {
        // No balloon could be made: the talk ends as if it had closed.
        RestoreSequence();
        StartNextAction();
    }
}

const std::string* CPet::PickNeedMessage() {
    int flags = GetNeedFlags();
    int lo, hi;
    if (flags == 0) {
        lo = TextId::kTalkContentFirst, hi = TextId::kTalkContentLast;
    } else if (flags == kNeedsHigh) {
        lo = TextId::kTalkNeedsHighFirst, hi = TextId::kTalkNeedsHighLast;
    } else if (flags == kNeedsHighest) {
        lo = 0, hi = 0;
    } else {
        int need;
        do {
            need = random_.Next() % 4;
        } while (!(flags & (kNeedS0 << need)));
        lo = TextId::kTalkNeedFirst + TextId::kTalkNeedStep * need;
        hi = lo + TextId::kTalkNeedSpan;
    }
    return PickMessage(lo, hi, DrawSeed());
}

void CPet::OnTextShown(CBalloonWnd& balloon) {
    ports_.events->OnEvent(
        {"balloon_shown", {{"lines", balloon.GetShownLines()}, {"links", balloon.GetAddresses()}}});
    int action = GetActionId();
    if (IsTalkAction(action)) PlaySequence({AnimId::kTalkDone});
}

void CPet::OnBalloonClosed(CBalloonWnd& balloon) {
    if (destroying_) return;
    ports_.events->OnEvent({"balloon_closed"});
    // The level-up opens two balloons in a row: only the open one is forgotten.
    bool wasOpen = &balloon == openBalloon_;
    if (wasOpen) openBalloon_ = nullptr;
    auto it = std::find_if(balloons_.begin(), balloons_.end(),
                           [&balloon](const auto& b) { return b.get() == &balloon; });
    if (it != balloons_.end()) balloons_.erase(it);  // the balloon's last act: it may go now
    int action = GetActionId();
    if (wasOpen && !closingBalloon_ && IsTalkAction(action)) {
        RestoreSequence();
        StartNextAction();
    }
}

}  // namespace nuv
