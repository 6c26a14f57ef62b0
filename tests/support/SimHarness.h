#pragma once
// A simulated desktop on an in-memory pet, recording what happens, for scenario tests.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/PetMainDlg.h"
#include "sim/SimDesktop.h"
#include "support/TestEnv.h"
#include "support/TinyPet.h"

namespace nuv::test {

struct SimEvent {
    uint64_t t = 0;
    std::string name;
    std::map<std::string, long long> values;
    std::vector<std::string> texts;
    long long operator[](const std::string& key) const {
        auto it = values.find(key);
        return it == values.end() ? -999999 : it->second;
    }
};

class RecordingReporter : public ISimReporter {
  public:
    std::vector<SimEvent> events;
    std::vector<SimEvent> Named(const std::string& name) const;
    int Count(const std::string& name) const { return int(Named(name).size()); }

    void OnStart(uint64_t t, bool ok, const Rect& w, const std::vector<std::string>& log) override;
    void OnAction(uint64_t t, int id, int previous, Point p) override;
    // Ticks are recorded only when the options ask for a trace.
    void OnTick(uint64_t t, int timer, int animation, int frame, Point p) override;
    void OnBalloon(uint64_t t, int kind, const std::string& text, Point p) override;
    void OnBalloonShown(uint64_t t, const std::vector<std::string>& lines,
                        const std::vector<std::string>& links) override;
    void OnBalloonClosed(uint64_t t) override;
    void OnOpenUrl(uint64_t t, const std::string& url) override;
    void OnObject(uint64_t t, bool shown, const Rect& source, Point p) override;
    void OnLevel(uint64_t t, int level) override;
    void OnSave(uint64_t t, bool ok) override;
    void OnSound(uint64_t t, const std::string& file) override;
    void OnCursor(uint64_t t, const std::optional<std::string>& set) override;
    void OnMenu(uint64_t t, const MenuModel& menu) override;
    void OnMessage(uint64_t t, const std::string& text, const std::string& caption) override;
    void OnWindowVisible(uint64_t t, bool visible) override;
    void OnExit(uint64_t t) override;

    const MenuModel* lastMenu = nullptr;
    std::vector<MenuItem> lastMenuItems;
    std::vector<GaugePicture> lastGauges;

  private:
    SimEvent& Add(uint64_t t, const char* name);
};

// The tiny pet installed in memory and a simulated desktop to run it on.
class SimHarness {
  public:
    explicit SimHarness(const TinyPet& pet = TinyPet(), SimOptions options = DefaultOptions());
    static SimOptions DefaultOptions();

    bool Start() { return desktop->Start(); }
    void RunFor(uint64_t ms) { desktop->RunUntil(desktop->Now() + ms); }
    void RunUntil(uint64_t ms) { desktop->RunUntil(ms); }
    void Post(uint64_t at, SimInput::Verb verb, int a = 0, int b = 0);
    // Input now, processed at once.
    void Input(SimInput::Verb verb, int a = 0, int b = 0);

    CPet& pet() { return desktop->dialog().pet(); }
    CPetMainDlg& dialog() { return desktop->dialog(); }
    Rect Window() const { return desktop->WindowRect(); }
    // Starts `id` as a menu command would, without the command's other effects.
    void StartAction(int id) { pet().Engine().StartAction(id, true, false); }
    int Ground() const { return options_.desktop.ground; }
    int Width() const { return options_.desktop.width; }

    MemoryEnv env;
    RecordingReporter report;
    std::unique_ptr<CSimDesktop> desktop;

  private:
    SimOptions options_;
};

}  // namespace nuv::test
