#include "pettool/SimJsonReporter.h"

#include "pet/MenuModel.h"
#include "pet/Pet.h"

namespace nuv::tool {
namespace {

Json MenuItems(const std::vector<MenuItem>& items, const MenuModel& menu) {
    Json list = Json::array();
    for (const MenuItem& item : items) {
        Json entry;
        switch (item.kind) {
            case MenuItem::kSeparator:
                entry["separator"] = true;
                break;
            case MenuItem::kSubmenu:
                entry["text"] = Utf8(item.text);
                entry["items"] = MenuItems(item.items, menu);
                break;
            case MenuItem::kGauge:
                entry["gauge"] = item.gauge;
                entry["text"] = item.gauge >= 0 && item.gauge < int(menu.gauges.size())
                                    ? Utf8(menu.gauges[item.gauge].label)
                                    : "";
                break;
            case MenuItem::kCommand:
                entry["command"] = item.command;
                entry["text"] = Utf8(item.text);
                entry["enabled"] = item.enabled;
                entry["checked"] = item.checked;
                break;
        }
        list.push_back(std::move(entry));
    }
    return list;
}

}  // namespace

Json SimJsonReporter::Event(uint64_t t, const char* name) {
    Json event;
    event["t"] = t;
    event["ev"] = name;
    return event;
}

void SimJsonReporter::OnStart(uint64_t t, bool ok, const Rect& window,
                              const std::vector<std::string>& log) {
    Json e = Event(t, "start");
    e["ok"] = ok;
    e["x"] = window.left;
    e["y"] = window.top;
    e["w"] = window.Width();
    e["h"] = window.Height();
    if (!ok) e["log"] = Utf8List(log);
    PrintJson(e);
}

void SimJsonReporter::OnAction(uint64_t t, int id, int previous, Point position) {
    Json e = Event(t, "action");
    e["id"] = id;
    e["prev"] = previous;
    e["x"] = position.x;
    e["y"] = position.y;
    PrintJson(e);
}

void SimJsonReporter::OnTick(uint64_t t, int timer, int animation, int frame, Point position) {
    Json e = Event(t, "tick");
    e["timer"] = timer;
    e["anim"] = animation;
    e["frame"] = frame;
    e["x"] = position.x;
    e["y"] = position.y;
    PrintJson(e);
}

void SimJsonReporter::OnBalloon(uint64_t t, int kind, const std::string& text, Point position) {
    Json e = Event(t, "balloon");
    e["kind"] = kind;
    e["text"] = Utf8(text);
    e["x"] = position.x;
    e["y"] = position.y;
    PrintJson(e);
}

void SimJsonReporter::OnBalloonShown(uint64_t t, const std::vector<std::string>& lines,
                                     const std::vector<std::string>& links) {
    Json e = Event(t, "balloon_shown");
    e["lines"] = Utf8List(lines);
    e["links"] = Utf8List(links);
    PrintJson(e);
}

void SimJsonReporter::OnBalloonClosed(uint64_t t) {
    PrintJson(Event(t, "balloon_closed"));
}

void SimJsonReporter::OnOpenUrl(uint64_t t, const std::string& url) {
    Json e = Event(t, "open");
    e["url"] = Utf8(url);
    PrintJson(e);
}

void SimJsonReporter::OnObject(uint64_t t, bool shown, const Rect& source, Point position) {
    Json e = Event(t, "object");
    e["show"] = shown;
    e["rect"] = {source.left, source.top, source.right, source.bottom};
    e["x"] = position.x;
    e["y"] = position.y;
    PrintJson(e);
}

void SimJsonReporter::OnLevel(uint64_t t, int level) {
    Json e = Event(t, "level");
    e["level"] = level;
    PrintJson(e);
}

void SimJsonReporter::OnSave(uint64_t t, bool ok) {
    Json e = Event(t, "save");
    e["ok"] = ok;
    PrintJson(e);
}

void SimJsonReporter::OnSound(uint64_t t, const std::string& file) {
    Json e = Event(t, "sound");
    e["file"] = Utf8(file);
    PrintJson(e);
}

void SimJsonReporter::OnCursor(uint64_t t, const std::optional<std::string>& set) {
    Json e = Event(t, "cursor");
    e["set"] = set ? Json(Utf8(*set)) : Json(nullptr);
    PrintJson(e);
}

void SimJsonReporter::OnMenu(uint64_t t, const MenuModel& menu) {
    Json e = Event(t, "menu");
    e["items"] = MenuItems(menu.items, menu);
    PrintJson(e);
}

void SimJsonReporter::OnMessage(uint64_t t, const std::string& text, const std::string& caption) {
    Json e = Event(t, "message");
    e["text"] = Utf8(text);
    e["caption"] = Utf8(caption);
    PrintJson(e);
}

void SimJsonReporter::OnWindowVisible(uint64_t t, bool visible) {
    Json e = Event(t, "window");
    e["visible"] = visible;
    PrintJson(e);
}

void SimJsonReporter::OnExit(uint64_t t) {
    PrintJson(Event(t, "exit"));
}

Json SimJsonReporter::EndEvent(uint64_t t, const Rect& window, const CPet& pet) {
    const PetInfos& s = pet.GetPetInfos();
    Json e = Event(t, "end");
    e["x"] = window.left;
    e["y"] = window.top;
    e["action"] = pet.Engine().GetActionId();
    e["state"] = {{"PetLevel", s.PetLevel}, {"PetPoint", s.PetPoint}, {"PetS0", s.PetS0},
                  {"PetS1", s.PetS1},       {"PetS2", s.PetS2},       {"PetS3", s.PetS3}};
    return e;
}

}  // namespace nuv::tool
