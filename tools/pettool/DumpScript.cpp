// The dump of a pet script: the eleven sections in start-up order, up to the first failure.

#include "base/Log.h"
#include "pettool/DumpKinds.h"
#include "script/AniScript.h"

namespace nuv::tool {

namespace {

Json HeaderJson(const CAniScript& script) {
    const ScriptHeader& h = script.Header();
    return {{"headerNumber", h.headerNumber},
            {"headerShort", Utf8(h.headerShort)},
            {"headerLong", Utf8(h.headerLong)}};
}

Json ConfigJson(const CAniScript& script) {
    const ScriptConfig& c = script.Config();
    return {{"frameWidth", c.frameWidth},
            {"frameHeight", c.frameHeight},
            {"levelCount", c.levelCount},
            {"levelThresholds", c.levelThresholds},
            {"aniCount", c.aniCount},
            {"actCount", c.actCount},
            {"nameListA", Utf8List(c.nameListA)},
            {"nameListB", Utf8List(c.nameListB)},
            {"statMax", c.statMax}};
}

Json AnimationsJson(const CAniScript& script) {
    Json list = Json::array();
    for (const AniEntry& a : script.Animations()) {
        list.push_back({{"id", a.id},
                        {"name", Utf8(a.name)},
                        {"soundIndex", a.soundIndex},
                        {"soundFrame", a.soundFrame},
                        {"frames", a.frames},
                        {"comment", Utf8(a.comment)}});
    }
    return list;
}

Json ActionsJson(const CAniScript& script) {
    Json list = Json::array();
    for (const ActEntry& a : script.Actions()) {
        list.push_back({{"id", a.id},
                        {"name", Utf8(a.name)},
                        {"weights", a.weights},
                        {"deltaS0", a.deltaS0},
                        {"deltaS1", a.deltaS1},
                        {"deltaS2", a.deltaS2},
                        {"deltaS3", a.deltaS3},
                        {"deltaPoint", a.deltaPoint},
                        {"duration", a.duration},
                        {"animations", a.animations}});
    }
    return list;
}

Json MenuJson(const CAniScript& script) {
    Json list = Json::array();
    for (const MnuEntry& m : script.MenuItems()) {
        list.push_back({{"number", m.number},
                        {"command", m.command},
                        {"caption", Utf8(m.caption)},
                        {"iconIndex", m.iconIndex},
                        {"statSumLow", m.statSumLow},
                        {"statSumHigh", m.statSumHigh},
                        {"pointLow", m.pointLow},
                        {"pointHigh", m.pointHigh},
                        {"extra", Utf8(m.extra)}});
    }
    return list;
}

Json IconsJson(const CAniScript& script) {
    const IconSet& icons = script.Icons();
    Json records = Json::array();
    for (const IcoEntry& i : icons.records) {
        records.push_back({{"id", i.id}, {"value", i.value}, {"name", Utf8(i.name)}});
    }
    return {{"iconImage", Utf8(icons.iconImage)},
            {"iconWidth", icons.iconWidth},
            {"iconHeight", icons.iconHeight},
            {"records", records}};
}

Json CursorsJson(const CAniScript& script) {
    const CursorSet& cursors = script.Cursors();
    Json records = Json::array();
    for (const CurEntry& c : cursors.records) {
        records.push_back({{"id", c.id}, {"value", c.value}, {"file", Utf8(c.file)}});
    }
    return {{"cursorCount", cursors.cursorCount}, {"records", records}};
}

Json ObjectsJson(const CAniScript& script) {
    const ObjectSet& objects = script.Objects();
    Json records = Json::array();
    for (const ObjEntry& o : objects.records) {
        records.push_back({{"id", o.id},
                           {"width", o.width},
                           {"height", o.height},
                           {"left", o.left},
                           {"top", o.top},
                           {"value", o.value},
                           {"name", Utf8(o.name)}});
    }
    return {{"objectImage", Utf8(objects.objectImage)}, {"records", records}};
}

Json SoundsJson(const CAniScript& script) {
    Json list = Json::array();
    for (const SndEntry& s : script.Sounds()) {
        list.push_back({{"id", s.id},
                        {"name", Utf8(s.name)},
                        {"file", Utf8(s.file)},
                        {"remark", Utf8(s.remark)}});
    }
    return list;
}

Json TextsJson(const CAniScript& script) {
    Json list = Json::array();
    for (const TxtEntry& t : script.Texts()) {
        list.push_back({{"id", t.id}, {"text", Utf8(t.text)}});
    }
    return list;
}

Json MessagesJson(const CAniScript& script) {
    Json list = Json::array();
    for (const MsgEntry& m : script.Messages()) {
        list.push_back({{"id", m.id}, {"weight", m.weight}, {"text", Utf8(m.text)}});
    }
    return list;
}

struct Section {
    const char* key;
    bool (CAniScript::*read)();
    Json (*show)(const CAniScript&);
};

// The start-up order of the readers.
const Section kSections[] = {
    {"header", &CAniScript::SetHeaderPart, HeaderJson},
    {"config", &CAniScript::SetConfigPart, ConfigJson},
    {"animations", &CAniScript::SetAniListPart, AnimationsJson},
    {"actions", &CAniScript::SetActListPart, ActionsJson},
    {"menu", &CAniScript::SetMnuListPart, MenuJson},
    {"icons", &CAniScript::SetIcoListPart, IconsJson},
    {"cursors", &CAniScript::SetCurListPart, CursorsJson},
    {"objects", &CAniScript::SetObjListPart, ObjectsJson},
    {"sounds", &CAniScript::SetSndListPart, SoundsJson},
    {"texts", &CAniScript::SetTxtlistPart, TextsJson},
    {"messages", &CAniScript::SetMsglistPart, MessagesJson},
};

}  // namespace

int DumpScriptFile(IFileSystem& files, const std::string& path) {
    LogCapture log;
    CAniScript script;
    Json out = Json::object();
    bool ok = script.LoadScriptFile(files, path);
    for (const Section& section : kSections) {
        if (!ok) break;
        ok = (script.*section.read)();
        out[section.key] = section.show(script);
    }
    return FinishDump(out, log, ok);
}

}  // namespace nuv::tool
