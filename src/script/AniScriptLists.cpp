// [ANILIST] and [ACTLIST]: counted lists whose line counts [CONFIG] gives.

#include <algorithm>

#include "base/Log.h"
#include "base/TextFunctions.h"
#include "script/AniScript.h"
#include "script/PetIds.h"

namespace nuv {

namespace {

// The ','-separated numbers of a field; an empty field gives none, an empty element 0.
std::vector<int> IntList(std::string_view line, int position) {
    std::vector<int> numbers;
    std::string list = Trimmed(GetField(line, position, ';'));
    if (list.empty()) return numbers;
    std::vector<std::string_view> fields = SplitFields(list, ',');
    numbers.reserve(fields.size());
    for (std::string_view field : fields)
        numbers.push_back(TextToInt(field));
    return numbers;
}

AniEntry ReadAnimation(std::string_view line) {
    AniEntry entry;
    entry.id = TextToInt(GetField(line, 0, ';'));
    entry.name = GetTextField(line, 1, ';', kAniNameBytes);
    std::string sound = Trimmed(GetField(line, 2, ';'));
    if (sound.empty()) {
        entry.soundIndex = -1;
        entry.soundFrame = -1;
    } else {
        entry.soundIndex = TextToInt(GetField(sound, 0, ','));
        entry.soundFrame = GetIntField(sound, 1, ',');
    }
    entry.frames = IntList(line, 3);
    entry.comment = GetTextField(line, 4, ';', kShortTextBytes);
    return entry;
}

// With more than ten levels only ten weights are kept; the fields after the weights still
// start at levelCount + 2.
ActEntry ReadAction(std::string_view line, int levelCount) {
    ActEntry entry;
    entry.id = TextToInt(GetField(line, 0, ';'));
    entry.name = GetTextField(line, 1, ';', kActNameBytes);
    int levels = std::max(levelCount, 0);
    for (int k = 0; k < std::min(levels, kActionWeights); ++k) {
        entry.weights[k] = TextToInt(GetField(line, k + 2, ';'));
    }
    int at = levels + 2;
    entry.deltaS0 = TextToInt(GetField(line, at, ';'));
    entry.deltaS1 = TextToInt(GetField(line, at + 1, ';'));
    entry.deltaS2 = TextToInt(GetField(line, at + 2, ';'));
    entry.deltaS3 = TextToInt(GetField(line, at + 3, ';'));
    entry.deltaPoint = TextToInt(GetField(line, at + 4, ';'));
    entry.duration = TextToInt(GetField(line, at + 5, ';'));
    entry.animations = IntList(line, at + 6);
    return entry;
}

}  // namespace

bool CAniScript::SetAniListPart() {
    animations_.clear();
    std::string content;
    if (!SectionContent("SetAniListPart", "[ANILIST]", true, &content)) return false;
    std::vector<std::string> lines = SplitLines(content);
    if (int(lines.size()) != config_.aniCount) {
        WriteLog(
            "SetAniListPart() - ANI 파일에 등록된 ANI LIST 수와 실제 등록된 ANI 수가 일치하지 "
            "않습니다.");
        return false;
    }
    for (const std::string& line : lines)
        animations_.push_back(ReadAnimation(line));
    return true;
}

bool CAniScript::SetActListPart() {
    actions_.clear();
    std::string content;
    if (!SectionContent("SetActListPart", "[ACTLIST]", true, &content)) return false;
    std::vector<std::string> lines = SplitLines(content);
    if (int(lines.size()) != config_.actCount) {
        WriteLog(
            "SetActListPart() - ANI 파일에 등록된 ACT LIST 수와 실제 등록된 ACT 수가 일치하지 "
            "않습니다.");
        return false;
    }
    for (const std::string& line : lines)
        actions_.push_back(ReadAction(line, config_.levelCount));
    // Every pet starts with action 100 and falls back to it.
    if (!FindAction(ActionId::kFirst)) {
        WriteLog("SetActListPart() - 첫 액션(100)이 ACT LIST에 없습니다.");
        actions_.clear();
        return false;
    }
    return true;
}

}  // namespace nuv
