#pragma once
// A simulated desktop on an in-memory pet, recording what happens, for scenario tests.

#include <gtest/gtest.h>

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

// Records each event: flags and numbers by name, texts in order ("null" for none), a text
// list's length by its name, a rectangle's sides, the last menu.
class RecordingReporter : public IPetEvents {
  public:
    std::vector<SimEvent> events;
    std::vector<SimEvent> Named(const std::string& name) const;
    int Count(const std::string& name) const { return int(Named(name).size()); }
    void OnEvent(const PetEvent& event) override;

    std::vector<MenuItem> lastMenuItems;
    std::vector<GaugePicture> lastGauges;
};

// The tiny pet installed in memory and a simulated desktop to run it on.
class SimHarness {
  public:
    static SimOptions DefaultOptions(bool trace = false);  // traced: every tick reported
    explicit SimHarness(const TinyPet& pet = TinyPet(), SimOptions options = DefaultOptions());

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
    int Ground() const { return options_.desktop.front().ground; }
    int Width() const { return options_.desktop.front().right; }

    MemoryEnv env;
    RecordingReporter report;
    std::unique_ptr<CSimDesktop> desktop;

  private:
    SimOptions options_;
};

// The tiny pet, started.
class StartedPet : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(sim.Start()); }

    SimHarness sim;
};

}  // namespace nuv::test
