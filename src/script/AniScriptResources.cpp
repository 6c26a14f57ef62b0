// The menu and resource lists: [MNULIST], [RES_ICON], [RES_CURSOR], [RES_OBJECT],
// [RES_SOUND], [RES_TEXT] and [RES_MESSAGE].

#include <algorithm>

#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "ports/FileSystem.h"
#include "script/AniScript.h"

namespace nuv {

namespace {

// The line at `index` (from 0), or an empty text past the end.
std::string LineAt(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

// Lines from `first` (from 0) up to the first empty one, keeping those with at least
// `leastSeparators` ';'.
std::vector<std::string> RecordLines(const std::vector<std::string>& lines, std::size_t first,
                                     int leastSeparators) {
    std::vector<std::string> records;
    for (std::size_t i = first; i < lines.size() && !lines[i].empty(); ++i) {
        if (CountOf(lines[i], ";") >= leastSeparators) records.push_back(lines[i]);
    }
    return records;
}

MnuEntry ReadMenuItem(std::string_view line) {
    MnuEntry entry;
    entry.number = GetIntField(line, 0, ';');
    entry.command = GetIntField(line, 1, ';');
    entry.caption = GetTextField(line, 2, ';', kShortTextBytes);
    entry.iconIndex = GetIntField(line, 3, ';');
    entry.statSumLow = GetIntField(line, 4, ';');
    entry.statSumHigh = GetIntField(line, 5, ';');
    entry.pointLow = GetIntField(line, 6, ';');
    entry.pointHigh = GetIntField(line, 7, ';');
    entry.extra = GetTextField(line, 8, ';', kShortTextBytes);
    return entry;
}

ObjEntry ReadObject(std::string_view line) {
    ObjEntry entry;
    entry.id = GetIntField(line, 0, ';');
    std::string size = GetField(line, 1, ';');
    entry.width = GetIntField(size, 0, ',');
    entry.height = GetIntField(size, 1, ',');
    std::string position = GetField(line, 2, ';');
    entry.left = GetIntField(position, 0, ',');
    entry.top = GetIntField(position, 1, ',');
    entry.value = GetIntField(line, 3, ';');
    entry.name = GetTextField(line, 4, ';', kShortTextBytes);
    return entry;
}

// Cursor and sound files are opened by the shell itself, not through the file layer: a name
// that would reach a device in `folder` is left out (empty) with a log line.
std::string ShellFileName(const char* reader, const char* folder, std::string name) {
    if (!NamesDevice(JoinPath(folder, name, ""))) return name;
    WriteLogF("%s() - '%s'은(는) 장치 이름이라 파일 이름으로 쓸 수 없습니다.", reader,
              name.c_str());
    return {};
}

SndEntry ReadSound(std::string_view line) {
    SndEntry entry;
    entry.id = GetIntField(line, 0, ';');
    entry.name = GetTextField(line, 1, ';', kShortTextBytes);
    entry.file = ShellFileName("SetSndListPart", ".\\PETSOUND\\",
                               GetTextField(line, 2, ';', kShortTextBytes));
    entry.remark = GetTextField(line, 3, ';', kShortTextBytes);
    return entry;
}

// Texts of [RES_TEXT] and [RES_MESSAGE] keep their blanks.
std::string UntrimmedText(std::string_view line, int position) {
    return cp949::CutBytes(GetField(line, position, ';'), kMessageTextBytes);
}

}  // namespace

bool CAniScript::SetMnuListPart() {
    menuItems_.clear();
    std::string content;
    if (!SectionContent("SetMnuListPart", "[MNULIST]", true, &content)) return false;
    for (const std::string& line : SplitLines(content))
        menuItems_.push_back(ReadMenuItem(line));
    return true;
}

bool CAniScript::SetIcoListPart() {
    icons_ = IconSet();
    std::string content;
    if (!SectionContent("SetIcoListPart", "[RES_ICON]", true, &content)) return false;
    std::vector<std::string> lines = SplitLines(content);
    icons_.iconImage = GetTextField(LineAt(lines, 0), 1, ';', kShortTextBytes);
    std::string size = GetField(LineAt(lines, 1), 1, ';');
    icons_.iconWidth = GetIntField(size, 0, ',');
    icons_.iconHeight = GetIntField(size, 1, ',');
    for (const std::string& line : RecordLines(lines, 2, 3)) {
        IcoEntry entry;
        entry.id = GetIntField(line, 0, ';');
        entry.value = GetIntField(line, 1, ';');
        entry.name = GetTextField(line, 2, ';', kShortTextBytes);
        icons_.records.push_back(entry);
    }
    return true;
}

bool CAniScript::SetCurListPart() {
    cursors_ = CursorSet();
    std::string content;
    if (!SectionContent("SetCurListPart", "[RES_CURSOR]", true, &content)) return false;
    std::vector<std::string> lines = SplitLines(content);
    cursors_.cursorCount = GetIntField(LineAt(lines, 0), 1, ';');
    // Lines past the section give empty records, as many as the count asks for, within reason.
    int count = std::min(cursors_.cursorCount, kMaxCursorRecords);
    for (int i = 0; i < count; ++i) {
        std::string line = LineAt(lines, std::size_t(i) + 1);
        CurEntry entry;
        entry.id = GetIntField(line, 0, ';');
        entry.value = GetIntField(line, 1, ';');
        entry.file = ShellFileName("SetCurListPart", ".\\PETS\\",
                                   GetTextField(line, 2, ';', kShortTextBytes));
        cursors_.records.push_back(entry);
    }
    return true;
}

bool CAniScript::SetObjListPart() {
    objects_ = ObjectSet();
    std::string content;
    if (!SectionContent("SetObjListPart", "[RES_OBJECT]", true, &content)) return false;
    std::vector<std::string> lines = SplitLines(content);
    objects_.objectImage = GetTextField(LineAt(lines, 0), 1, ';', kShortTextBytes);
    for (const std::string& line : RecordLines(lines, 1, 5)) {
        objects_.records.push_back(ReadObject(line));
    }
    return true;
}

bool CAniScript::SetSndListPart() {
    sounds_.clear();
    std::string content;
    if (!SectionContent("SetSndListPart", "[RES_SOUND]", true, &content)) return false;
    for (const std::string& line : SplitLines(content))
        sounds_.push_back(ReadSound(line));
    return true;
}

bool CAniScript::SetTxtlistPart() {
    texts_.clear();
    std::string content;
    if (!SectionContent("SetTxtlistPart", "[RES_TEXT]", true, &content)) return false;
    for (const std::string& line : RecordLines(SplitLines(content), 0, 2)) {
        TxtEntry entry;
        entry.id = GetIntField(line, 0, ';');
        entry.text = UntrimmedText(line, 1);
        texts_.push_back(entry);
    }
    return true;
}

// A script without [RES_MESSAGE] is accepted: the pet then has nothing to say.
bool CAniScript::SetMsglistPart() {
    messages_.clear();
    std::string content;
    if (!SectionContent("SetMsglistPart", "[RES_MESSAGE]", false, &content)) return false;
    if (content.empty()) return true;
    for (const std::string& line : RecordLines(SplitLines(content), 0, 3)) {
        MsgEntry entry;
        entry.id = GetIntField(line, 0, ';');
        entry.weight = GetIntField(line, 1, ';');
        entry.text = UntrimmedText(line, 2);
        messages_.push_back(entry);
    }
    return true;
}

}  // namespace nuv
