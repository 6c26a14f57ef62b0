// Choosing the next action by needs and level, and applying an action's effects.

#include <algorithm>
#include <climits>

#include "base/Random.h"
#include "engine/PetEngine.h"
#include "formats/PetInfo.h"
#include "ports/PetPorts.h"
#include "script/PetIds.h"

namespace nuv {

int CPetEngine::GetNeedFlags() const {
    const PetInfos& s = state_.GetPetInfos();
    long long total = (long long)s.PetS0 + s.PetS1 + s.PetS2 + s.PetS3;
    if (total <= 10000) return kNeedsHighest;
    if (total <= 20000) return kNeedsHigh;
    return (s.PetS0 <= 8000 ? kNeedS0 : 0) | (s.PetS1 <= 8000 ? kNeedS1 : 0) |
           (s.PetS2 <= 8000 ? kNeedS2 : 0) | (s.PetS3 <= 8000 ? kNeedS3 : 0);
}

int CPetEngine::ClampLevel() const {
    return std::clamp(state_.GetPetInfos().PetLevel, 0,
                      std::max(script_.Config().levelCount - 1, 0));
}

int CPetEngine::PickNextAction() {
    const int statMax = script_.Config().statMax;
    if (statMax <= 0) return ActionId::kFirst;
    int flags = GetNeedFlags();
    int lo = ActionId::kOrdinaryFirst, hi = ActionId::kOrdinaryLast;
    if (flags & kNeedsHigh) {
        lo = ActionId::kNeedsHighFirst, hi = ActionId::kNeedsHighLast;
    } else if (flags & kNeedsHighest) {
        lo = ActionId::kNeedsHighestFirst, hi = ActionId::kNeedsHighestLast;
    } else if (random_.Next() % 2 == 1) {
        const PetInfos& s = state_.GetPetInfos();
        const int counters[4] = {s.PetS0, s.PetS1, s.PetS2, s.PetS3};
        const int bits[4] = {kNeedS0, kNeedS1, kNeedS2, kNeedS3};
        int r = random_.Next() % statMax;
        long long c = -1;
        for (int i = 0; i < 4; ++i) {
            c += (flags & bits[i]) ? statMax - counters[i] : 0;
            if (c >= r) {
                lo = ActionId::kSingleNeedFirst + ActionId::kSingleNeedStep * i;
                hi = lo + ActionId::kSingleNeedSpan;
                break;
            }
        }
    }
    int r = random_.Next() % statMax;
    int column = std::min(ClampLevel(), kActionWeights - 1);
    long long c = -1;
    for (const ActEntry& action : script_.Actions()) {
        if (action.id < lo || action.id > hi) continue;
        c += action.weights[column];
        if (c >= r) return action.id;
    }
    return ActionId::kFirst;
}

namespace {

// value + delta within [lo, hi], without overflow for any values the files may hold.
int AddClamped(int value, int delta, int lo, int hi) {
    return int(std::clamp<long long>((long long)value + delta, lo, std::max(lo, hi)));
}

}  // namespace

int CPetEngine::ApplyActionEffects(const ActEntry& action) {
    const ScriptConfig& config = script_.Config();
    PetInfos& s = state_.GetPetInfos();
    const int statMax = config.statMax;
    s.PetS0 = AddClamped(s.PetS0, action.deltaS0, 0, statMax);
    s.PetS1 = AddClamped(s.PetS1, action.deltaS1, 0, statMax);
    s.PetS2 = AddClamped(s.PetS2, action.deltaS2, 0, statMax);
    s.PetS3 = AddClamped(s.PetS3, action.deltaS3, 0, statMax);

    const std::vector<int>& thresholds = config.levelThresholds;
    if (!thresholds.empty()) {
        s.PetLevel = ClampLevel();
        s.PetPoint = AddClamped(s.PetPoint, action.deltaPoint, 0, INT_MAX);
        s.PetPoint = std::min(s.PetPoint, thresholds.back());
        if (s.PetLevel > 0) s.PetPoint = std::max(s.PetPoint, thresholds[s.PetLevel - 1]);
        int levels = int(thresholds.size());
        if (s.PetPoint >= thresholds[s.PetLevel] && s.PetLevel + 1 < levels) {
            s.PetLevel += 1;
            ports_.events->OnEvent({"level", {{"level", s.PetLevel}}});
            TextBalloon(TextId::kLevelUp, {});
            if (s.PetLevel == levels - 1) TextBalloon(TextId::kLastLevelReached, {});
        }
    }
    pet_.SavePetFiles();
    return GetNeedFlags();
}

}  // namespace nuv
