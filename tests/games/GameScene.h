#pragma once
// Scenario helpers for the games, talk and outing: a tiny pet on the simulated desktop, run
// tick by tick, with what each tick left behind.

#include <functional>
#include <string>
#include <vector>

#include "support/SimHarness.h"

namespace nuv::test {

constexpr int kTickMs = 120;

// A rectangle as {left, top, right, bottom}, readable in failure messages.
inline std::vector<int> Box(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The tiny pet whose game `id` lasts `seconds` and rewards 11, 12, 13, 14 and 5 points.
inline TinyPet GamePet(int id, int seconds) {
    TinyPet pet;
    TinyAction& game = pet.Action(id);
    game.duration = seconds;
    game.deltaS0 = 11, game.deltaS1 = 12, game.deltaS2 = 13, game.deltaS3 = 14;
    game.deltaPoint = 5;
    return pet;
}

struct TickState {
    int action = -1;
    int animation = -1;
    int subState = 0;
    int framePos = 0;
    Rect window;
    bool hook = false;
};

class GameScene {
  public:
    explicit GameScene(const TinyPet& pet = TinyPet(),
                       SimOptions options = SimHarness::DefaultOptions())
        : sim(pet, options) {}

    bool Start() { return sim.Start(); }

    // Runs up to the next engine tick and records its outcome.
    const TickState& Tick() {
        sim.RunFor(kTickMs);
        CPet& pet = sim.pet();
        TickState state;
        state.action = pet.Engine().GetActionId();
        state.animation = pet.Engine().curAnim() ? pet.Engine().curAnim()->id : -1;
        state.subState = pet.Engine().subState();
        state.framePos = pet.Engine().framePos();
        state.window = sim.Window();
        state.hook = pet.Engine().hookActive();
        ticks.push_back(state);
        return ticks.back();
    }

    // Ticks until `done` holds (true) or `limit` ticks have passed (false).
    bool TickUntil(const std::function<bool(const TickState&)>& done, int limit = 2000) {
        for (int i = 0; i < limit; ++i) {
            if (done(Tick())) return true;
        }
        return false;
    }
    bool TickUntilAction(int id, int limit = 2000) {
        return TickUntil([id](const TickState& s) { return s.action == id; }, limit);
    }
    bool TickUntilStage(int stage, int limit = 2000) {
        return TickUntil([stage](const TickState& s) { return s.subState == stage; }, limit);
    }

    // The vertical steps of the window over the ticks recorded from `first` on.
    std::vector<int> VerticalSteps(std::size_t first) const {
        std::vector<int> steps;
        for (std::size_t i = first; i < ticks.size(); ++i) {
            int before = i == 0 ? ticks[i].window.top : ticks[i - 1].window.top;
            if (ticks[i].window.top != before) steps.push_back(ticks[i].window.top - before);
        }
        return steps;
    }
    std::vector<int> HorizontalSteps(std::size_t first, int startLeft) const {
        std::vector<int> steps;
        int before = startLeft;
        for (std::size_t i = first; i < ticks.size(); ++i) {
            if (ticks[i].window.left != before) steps.push_back(ticks[i].window.left - before);
            before = ticks[i].window.left;
        }
        return steps;
    }
    bool Played(int animation) const {
        for (const TickState& s : ticks) {
            if (s.animation == animation) return true;
        }
        return false;
    }

    void MoveCursor(int x, int y) { sim.Input(SimInput::kCursor, x, y); }
    int CentreX() const { return (sim.Window().left + sim.Window().right) / 2; }

    // Starts `id` as the menu does, and marks the events recorded so far as old.
    void StartGame(int id) {
        mark = sim.report.events.size();
        sim.StartAction(id);
    }

    // Events of `name` recorded since the last StartGame.
    std::vector<SimEvent> Events(const std::string& name) const {
        std::vector<SimEvent> out;
        for (std::size_t i = mark; i < sim.report.events.size(); ++i) {
            if (sim.report.events[i].name == name) out.push_back(sim.report.events[i]);
        }
        return out;
    }
    // The first text of each of them.
    std::vector<std::string> Texts(const std::string& name) const {
        std::vector<std::string> out;
        for (const SimEvent& e : Events(name)) {
            out.push_back(e.texts.empty() ? std::string() : e.texts[0]);
        }
        return out;
    }
    // The value `key` of each of them.
    std::vector<int> Values(const std::string& name, const std::string& key) const {
        std::vector<int> out;
        for (const SimEvent& e : Events(name))
            out.push_back(int(e[key]));
        return out;
    }
    std::vector<int> Actions() const { return Values("action", "id"); }

    uint64_t Now() const { return sim.desktop->Now(); }
    int Ground() const { return sim.Ground(); }
    int Width() const { return sim.Width(); }
    PetInfos& State() { return sim.pet().GetPetInfos(); }

    SimHarness sim;
    std::vector<TickState> ticks;
    std::size_t mark = 0;
};

}  // namespace nuv::test
