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

SimEvent& RecordingReporter::Add(uint64_t t, const char* name) {
    events.push_back({t, name, {}, {}});
    return events.back();
}

void RecordingReporter::OnStart(uint64_t t, bool ok, const Rect& w,
                                const std::vector<std::string>& log) {
    SimEvent& e = Add(t, "start");
    e.values = {{"ok", ok}, {"x", w.left}, {"y", w.top}, {"w", w.Width()}, {"h", w.Height()}};
    e.texts = log;
}

void RecordingReporter::OnAction(uint64_t t, int id, int previous, Point p) {
    Add(t, "action").values = {{"id", id}, {"prev", previous}, {"x", p.x}, {"y", p.y}};
}

void RecordingReporter::OnTick(uint64_t t, int timer, int animation, int frame, Point p) {
    Add(t, "tick").values = {
        {"timer", timer}, {"anim", animation}, {"frame", frame}, {"x", p.x}, {"y", p.y}};
}

void RecordingReporter::OnBalloon(uint64_t t, int kind, const std::string& text, Point p) {
    SimEvent& e = Add(t, "balloon");
    e.values = {{"kind", kind}, {"x", p.x}, {"y", p.y}};
    e.texts = {text};
}

void RecordingReporter::OnBalloonShown(uint64_t t, const std::vector<std::string>& lines,
                                       const std::vector<std::string>& links) {
    SimEvent& e = Add(t, "balloon_shown");
    e.texts = lines;
    e.values["lines"] = long(lines.size());
    for (const std::string& link : links)
        e.texts.push_back("link:" + link);
}

void RecordingReporter::OnBalloonClosed(uint64_t t) {
    Add(t, "balloon_closed");
}

void RecordingReporter::OnOpenUrl(uint64_t t, const std::string& url) {
    Add(t, "open").texts = {url};
}

void RecordingReporter::OnObject(uint64_t t, bool shown, const Rect& s, Point p) {
    Add(t, "object").values = {{"show", shown},    {"left", s.left},     {"top", s.top},
                               {"right", s.right}, {"bottom", s.bottom}, {"x", p.x},
                               {"y", p.y}};
}

void RecordingReporter::OnLevel(uint64_t t, int level) {
    Add(t, "level").values = {{"level", level}};
}
void RecordingReporter::OnSave(uint64_t t, bool ok) {
    Add(t, "save").values = {{"ok", ok}};
}
void RecordingReporter::OnSound(uint64_t t, const std::string& file) {
    Add(t, "sound").texts = {file};
}

void RecordingReporter::OnCursor(uint64_t t, const std::optional<std::string>& set) {
    Add(t, "cursor").texts = {set ? *set : "null"};
}

void RecordingReporter::OnMenu(uint64_t t, const MenuModel& menu) {
    Add(t, "menu");
    lastMenuItems = menu.items;
    lastGauges = menu.gauges;
}

void RecordingReporter::OnMessage(uint64_t t, const std::string& text, const std::string& caption) {
    Add(t, "message").texts = {text, caption};
}

void RecordingReporter::OnWindowVisible(uint64_t t, bool visible) {
    Add(t, "window").values = {{"visible", visible}};
}

void RecordingReporter::OnExit(uint64_t t) {
    Add(t, "exit");
}

SimOptions SimHarness::DefaultOptions() {
    SimOptions options;
    options.seconds = 3600;
    options.desktop = {1024, 738};
    return options;
}

SimHarness::SimHarness(const TinyPet& pet, SimOptions options) : options_(options) {
    pet.Install(env.files);
    options.files = &env.files;
    desktop = std::make_unique<CSimDesktop>(options, &report);
}

void SimHarness::Post(uint64_t at, SimInput::Verb verb, int a, int b) {
    SimInput input;
    input.time = at;
    input.verb = verb;
    input.a = a;
    input.b = b;
    desktop->Post(input);
}

void SimHarness::Input(SimInput::Verb verb, int a, int b) {
    Post(desktop->Now(), verb, a, b);
    desktop->RunUntil(desktop->Now());
}

}  // namespace nuv::test
