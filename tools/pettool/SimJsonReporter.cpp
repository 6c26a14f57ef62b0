#include "pettool/SimJsonReporter.h"

#include <variant>

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

// A field's value as JSON: texts as UTF-8, a rectangle as [left, top, right, bottom].
struct ToJson {
    Json operator()(bool v) const { return v; }
    Json operator()(int v) const { return v; }
    Json operator()(const std::string& v) const { return Utf8(v); }
    Json operator()(const std::vector<std::string>& v) const { return Utf8List(v); }
    Json operator()(const Rect& r) const { return {r.left, r.top, r.right, r.bottom}; }
    Json operator()(std::nullptr_t) const { return nullptr; }
    Json operator()(const MenuModel* menu) const { return MenuItems(menu->items, *menu); }
};

Json Event(uint64_t t, const char* name) {
    Json event;
    event["t"] = t;
    event["ev"] = name;
    return event;
}

}  // namespace

void SimJsonReporter::OnEvent(const PetEvent& event) {
    Json e = Event(event.time, event.kind);
    for (const PetEvent::Field& field : event.fields) {
        // The start's log is printed only when the start failed.
        if (event.Is("start") && std::string_view(field.name) == "log" && e.value("ok", false))
            continue;
        e[field.name] = std::visit(ToJson{}, field.value);
    }
    PrintJson(e);
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
