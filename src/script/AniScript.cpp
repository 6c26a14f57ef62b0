#include "script/AniScript.h"

#include "base/Log.h"
#include "base/Random.h"
#include "base/TextFunctions.h"
#include "formats/ComplementedFile.h"
#include "ports/Clock.h"

namespace nuv {

CAniScript::~CAniScript() {
    ResetScript();
}

bool CAniScript::LoadScriptFile(IFileSystem& files, const std::string& path) {
    return LoadScriptText(ReadScriptFile(files, path));
}

bool CAniScript::LoadScriptText(std::string_view text) {
    scriptBuffer_ = CleanScriptText(text);
    return !scriptBuffer_.empty();
}

bool CAniScript::SectionContent(const char* reader, const char* section, bool required,
                                std::string* content) const {
    content->clear();
    if (scriptBuffer_.empty()) {
        WriteLogF("%s() - 파일버퍼의 내용이 없습니다.", reader);
        return false;
    }
    *content = GetCategory(scriptBuffer_, section);
    if (content->empty() && required) {
        WriteLogF("%s() - 카테고리 '%s'의 내용이 없습니다.", reader, section);
        return false;
    }
    return true;
}

bool CAniScript::ReadAllSections() {
    return SetHeaderPart() && SetConfigPart() && SetAniListPart() && SetActListPart() &&
           SetMnuListPart() && SetIcoListPart() && SetCurListPart() && SetObjListPart() &&
           SetSndListPart() && SetTxtlistPart() && SetMsglistPart();
}

const AniEntry* CAniScript::FindAnimation(int id) const {
    for (const AniEntry& entry : animations_) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

const ActEntry* CAniScript::FindAction(int id) const {
    for (const ActEntry& entry : actions_) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

std::vector<int>* CAniScript::ActionAnimations(int id) {
    for (ActEntry& entry : actions_) {
        if (entry.id == id) return &entry.animations;
    }
    return nullptr;
}

const std::string* CAniScript::FindText(int id) const {
    for (const TxtEntry& entry : texts_) {
        if (entry.id == id) return &entry.text;
    }
    return nullptr;
}

const std::string& CAniScript::TextOf(int id) const {
    static const std::string empty;
    const std::string* text = FindText(id);
    return text ? *text : empty;
}

const std::string* CAniScript::PickMessage(int lo, int hi, uint32_t draw) const {
    draw %= 10000u;
    long long sum = 0;
    for (const MsgEntry& entry : messages_) {
        if (entry.id < lo || entry.id > hi) continue;
        sum += entry.weight;
        if (draw <= sum) return &entry.text;
    }
    return nullptr;
}

void CAniScript::ResetScript() {
    animations_.clear();
    actions_.clear();
    menuItems_.clear();
    sounds_.clear();
    texts_.clear();
    messages_.clear();
    header_ = ScriptHeader();
    config_ = ScriptConfig();
    objects_ = ObjectSet();
    icons_ = IconSet();
    cursors_ = CursorSet();
    scriptBuffer_.clear();
}

}  // namespace nuv
