#include "support/SimHarness.h"

#include "pet/MenuModel.h"

namespace nuv::test {

std::vector<SimEvent> RecordingReporter::Named(const std::string& name) const {
    std::vector<SimEvent> out;
    for (const SimEvent& e : events) {
        if (e.name == name) out.push_back(e);
    }
    return out;
}

void RecordingReporter::OnEvent(const PetEvent& event) {
    SimEvent& e = events.emplace_back(SimEvent{event.time, event.kind, {}, {}});
    for (const auto& [name, value] : event.fields) {
        if (auto* number = std::get_if<int>(&value)) e.values[name] = *number;
        if (auto* flag = std::get_if<bool>(&value)) e.values[name] = *flag;
        if (auto* text = std::get_if<std::string>(&value)) e.texts.push_back(*text);
        if (std::holds_alternative<std::nullptr_t>(value)) e.texts.push_back("null");
        if (auto* list = std::get_if<std::vector<std::string>>(&value)) {
            e.texts.insert(e.texts.end(), list->begin(), list->end());
            e.values[name] = long(list->size());
        }
        if (auto* r = std::get_if<Rect>(&value))
            e.values.insert(
                {{"left", r->left}, {"top", r->top}, {"right", r->right}, {"bottom", r->bottom}});
        if (auto* menu = std::get_if<const MenuModel*>(&value)) {
            lastMenuItems = (*menu)->items;
            lastGauges = (*menu)->gauges;
        }
    }
}

SimOptions SimHarness::DefaultOptions(bool trace) {
    SimOptions options;
    options.trace = trace;
    options.seconds = 3600;
    options.desktop = {{0, 0, 1024, 738}};
    return options;
}

SimHarness::SimHarness(const TinyPet& pet, SimOptions options) : options_(options) {
    pet.Install(env.files);
    options.files = &env.files;
    desktop = std::make_unique<CSimDesktop>(options, &report);
}

void SimHarness::Post(uint64_t at, SimInput::Verb verb, int a, int b) {
    desktop->Post({at, verb, a, b, {}});
}

void SimHarness::Input(SimInput::Verb verb, int a, int b) {
    Post(desktop->Now(), verb, a, b);
    desktop->RunUntil(desktop->Now());
}

}  // namespace nuv::test
