// The joined sections [HEADER] and [CONFIG]: every line break removed, values at the odd
// field positions.

#include "base/Log.h"
#include "base/TextFunctions.h"
#include "script/AniScript.h"

namespace nuv {

namespace {

std::vector<std::string> NameList(std::string_view joined, int position) {
    std::vector<std::string> names;
    std::string list = Trimmed(GetField(joined, position, ';'));
    if (list.empty()) return names;
    for (std::string_view field : SplitFields(list, ','))
        names.push_back(Trimmed(field));
    return names;
}

}  // namespace

bool CAniScript::SetHeaderPart() {
    header_ = ScriptHeader();
    std::string content;
    if (!SectionContent("SetHeaderPart", "[HEADER]", true, &content)) return false;
    std::string joined = RemoveAll(content, kCrLf);
    header_.headerNumber = TextToInt(GetField(joined, 1, ';'));
    header_.headerShort = GetTextField(joined, 3, ';', kHeaderShortBytes);
    header_.headerLong = GetTextField(joined, 5, ';', kShortTextBytes);
    return true;
}

bool CAniScript::SetConfigPart() {
    config_ = ScriptConfig();
    std::string content;
    if (!SectionContent("SetConfigPart", "[CONFIG]", true, &content)) return false;
    std::string joined = RemoveAll(content, kCrLf);

    std::string frame = GetField(joined, 1, ';');
    config_.frameWidth = TextToInt(GetField(frame, 0, ','));
    config_.frameHeight = TextToInt(GetField(frame, 1, ','));
    config_.levelCount = TextToInt(GetField(joined, 3, ';'));
    config_.statMax = GetIntField(joined, 15, ';');
    if (!ConfigIsUsable()) {
        config_ = ScriptConfig();
        return false;
    }

    // Exactly one threshold per level: missing ones read as 0, surplus ones are ignored.
    std::string thresholds = GetField(joined, 5, ';');
    std::vector<std::string_view> fields = SplitFields(thresholds, ',');
    for (int i = 0; i < config_.levelCount; ++i) {
        config_.levelThresholds.push_back(i < int(fields.size()) ? TextToInt(fields[i]) : 0);
    }
    config_.aniCount = TextToInt(GetField(joined, 7, ';'));
    config_.actCount = TextToInt(GetField(joined, 9, ';'));
    config_.nameListA = NameList(joined, 11);
    config_.nameListB = NameList(joined, 13);
    return true;
}

// The player divides by statMax and needs at least one level; a level count beyond any
// sensible pet would only fill memory with thresholds.
bool CAniScript::ConfigIsUsable() const {
    if (config_.levelCount < 1 || config_.levelCount > kMaxLevels) {
        WriteLogF("SetConfigPart() - 레벨 수(%d)는 1 이상 %d 이하여야 합니다.", config_.levelCount,
                  kMaxLevels);
        return false;
    }
    if (config_.statMax <= 0) {
        WriteLogF("SetConfigPart() - 상태 최대값(%d)은 0보다 커야 합니다.", config_.statMax);
        return false;
    }
    return true;
}

}  // namespace nuv
