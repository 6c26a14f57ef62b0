// Talk and the balloons of the engine.

#include "base/TextFunctions.h"
#include "engine/PetEngine.h"
#include "script/PetIds.h"

namespace nuv {

void CPetEngine::TalkHandler() {
    AdvanceFrame();
    if (!ShowFrameRegion() || pet_.openBalloon()) return;
    const bool advertisement = curAction_->id == ActionId::kTalkAdvertisement;
    const std::string* text = advertisement ? pet_.PickAdMessage(DrawSeed()) : PickNeedMessage();
    if (!text) {
        // Nothing to say: the talk ends as if its balloon had closed.
        RestoreSequence();
        StartNextAction();
        return;
    }
    if (!pet_.OpenBalloon(advertisement ? 0 : 1, *text)) {
        // No balloon could be made: the talk ends as if it had closed.
        RestoreSequence();
        StartNextAction();
    }
}

const std::string* CPetEngine::PickNeedMessage() {
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
    return script_.PickMessage(lo, hi, DrawSeed());
}

void CPetEngine::TextBalloon(int textId, std::initializer_list<long long> numbers) {
    const std::string* format = script_.FindText(textId);
    if (!format) return;  // nothing to say: no balloon rather than an empty one
    pet_.OpenBalloon(2, SafeFormat(*format, {}, numbers));
}

void CPetEngine::OnTextShown() {
    if (IsTalkAction(GetActionId())) PlaySequence({AnimId::kTalkDone});
}

void CPetEngine::OnBalloonClosed() {
    if (!IsTalkAction(GetActionId())) return;
    RestoreSequence();
    StartNextAction();
}

}  // namespace nuv
