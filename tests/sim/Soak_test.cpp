// A long life on the simulated desktop with random user input: nothing breaks, the counters
// stay within their bounds and every save can be read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "formats/PetConfig.h"
#include "formats/PetInfo.h"
#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

constexpr uint64_t kHour = 3600 * 1000;
constexpr int kScreenW = 1024, kScreenH = 768;  // where the cursor can go

// A pet that uses every built-in behaviour and whose needs wander through all ranges.
TinyPet BusyPet() {
    TinyPet pet;
    pet.state.s0 = 6000, pet.state.s1 = 7000, pet.state.s2 = 8000, pet.state.s3 = 9000;
    auto set = [&pet](int id, std::vector<int> weights, int delta, int point,
                      std::vector<int> animations = {}) {
        TinyAction& a = pet.Action(id);
        a.weights = std::move(weights);
        a.deltaS0 = a.deltaS1 = a.deltaS2 = a.deltaS3 = delta;
        a.deltaPoint = point;
        if (!animations.empty()) a.animations = std::move(animations);
    };
    set(100, {3000, 2000, 1000}, -150, 1);
    for (int id : {140, 141, 142, 143, 144, 145, 146, 149})
        set(id, {800, 900, 1000}, -200, 2);
    set(150, {500, 500, 500}, -100, 1, {78});
    set(151, {500, 500, 500}, -100, 1, {66});
    set(152, {500, 500, 500}, 100, -3, {1, 999});  // names a missing animation
    set(200, {10000, 10000, 10000}, 400, 1);
    set(300, {5000, 5000, 5000}, 1500, 0);
    set(301, {5000, 5000, 5000}, 0, 5);
    const int needs[4] = {410, 420, 430, 440};
    for (int i = 0; i < 4; ++i) {
        TinyAction& a = pet.Action(needs[i]);
        a.weights = {10000, 10000, 10000};
        int* deltas[4] = {&a.deltaS0, &a.deltaS1, &a.deltaS2, &a.deltaS3};
        *deltas[i] = 3000;
    }
    for (int id : {140, 141, 142, 143})
        pet.Action(id).duration = 6;
    pet.Action(ActionId::kOuting).duration = 20;
    return pet;
}

// Random user input, the same for the same seed.
class RandomUser {
  public:
    RandomUser(CSimDesktop& desktop, uint32_t seed) : desktop_(desktop), random_(seed) {}

    // Posts one burst of input at `t`; returns when it is over.
    uint64_t Post(uint64_t t) {
        Rect pet = desktop_.WindowRect();
        switch (Pick(12)) {
            case 0:
            case 1: {  // a drag, ended by a drop or a throw
                Add(t, SimInput::kLButton, Pick(20), Pick(20));
                Add(t + 40 + Pick(400), SimInput::kCursor, Pick(kScreenW), Pick(kScreenH));
                uint64_t end = t + 500 + Pick(3000);
                Add(end, SimInput::kCursor, Pick(kScreenW), Pick(kScreenH));
                Add(end, SimInput::kRelease);
                return end;
            }
            case 2:
                Add(t, SimInput::kRButton, Pick(20), Pick(20));
                break;
            case 3:
                Add(t, SimInput::kTray, Pick(2));
                break;
            case 4: {
                const int commands[] = {210,  220,  221,  222,  230, 240,  250,
                                        9021, 9022, 9023, 9024, 904, 12345};
                Add(t, SimInput::kCommand, commands[Pick(13)]);
                break;
            }
            case 5:
                Add(t, SimInput::kSetCursor);
                break;
            case 6:
                Add(t, SimInput::kKey, Pick(2));
                break;
            case 7:
                Add(t, SimInput::kBalloonClick, Pick(300), Pick(200));
                break;
            case 8:
                Add(t, SimInput::kBalloonKey, Pick(2));
                break;
            case 9: {  // the cursor wanders over the pet
                for (int i = 0; i < 20; ++i) {
                    int x = std::clamp(pet.left + Pick(60) - 20, 0, kScreenW - 1);
                    int y = std::clamp(pet.top + Pick(60) - 20, 0, kScreenH - 1);
                    Add(t + 30 * i, SimInput::kCursor, x, y);
                }
                return t + 600;
            }
            case 10:  // a left click that may hit a game
                Add(t, SimInput::kLButton, Pick(20), Pick(20));
                Add(t + 5, SimInput::kRelease);
                return t + 5;
            default:
                Add(t, SimInput::kCursor, Pick(kScreenW), Pick(kScreenH));
                break;
        }
        return t;
    }
    int Pick(int n) { return int(random_() % uint32_t(n)); }

  private:
    void Add(uint64_t t, SimInput::Verb verb, int a = 0, int b = 0) {
        desktop_.Post({t, verb, a, b, {}});
    }

    CSimDesktop& desktop_;
    std::mt19937 random_;
};

// Records the run and reads both files back after every save, as the next start would.
class SaveReader : public RecordingReporter {
  public:
    explicit SaveReader(MemoryFileSystem& files) : files_(files) {}
    void OnEvent(const PetEvent& event) override {
        RecordingReporter::OnEvent(event);
        if (!event.Is("save")) return;
        ++saves;
        if (events.back()["ok"] != 1 || !Readable()) ++failures;
    }
    int saves = 0;
    int failures = 0;

  private:
    bool Readable() {
        CPetInfo state;
        if (!state.LoadPetStateFile(files_, ".\\DATA\\CAT.CFG") || !state.SetPetInfosPart())
            return false;
        const PetInfos& s = state.GetPetInfos();
        if (s.PetType != "CAT" || s.PetS0 < 0 || s.PetS0 > 10000 || s.PetPoint > 1000) return false;
        if (files_.Has(".\\DATA\\CAT.CFG.TMP") || files_.Has(".\\DATA\\PET.CFG.TMP")) return false;
        CPetConfig common;
        return common.LoadCommonConfigFile(files_, ".\\DATA\\PET.CFG") &&
               common.SetUserInfoPart() && common.SetPetsInfoPart() && common.FindActivePet() == 0;
    }
    MemoryFileSystem& files_;
};

class Soak : public ::testing::Test {
  protected:
    // What must hold at any moment.
    void CheckBounds(CSimDesktop& desktop) {
        CPet& pet = desktop.dialog().pet();
        const PetInfos& s = pet.GetPetInfos();
        auto within = [](int v, int low, int high) { return v >= low && v <= high; };
        for (int v : {s.PetS0, s.PetS1, s.PetS2, s.PetS3})
            ASSERT_TRUE(within(v, 0, 10000)) << v;
        ASSERT_TRUE(within(s.PetPoint, 0, 1000) && within(s.PetLevel, 0, 2))
            << s.PetPoint << " " << s.PetLevel;
        ASSERT_NE(pet.Engine().curAction(), nullptr);
        // Outside a drag and the hanging on the cursor the visible pet stays on the desktop:
        // the cursor games may take its centre to the screen's edge, and a falling glide may
        // end one pixel low for a tick.
        Rect w = desktop.WindowRect();
        if (!desktop.dialog().dragging() && !pet.Engine().hookActive() && desktop.Visible()) {
            ASSERT_TRUE(w.left >= -10 && w.right <= 1024 + 10 && w.top >= 0 && w.bottom <= 738 + 31)
                << pet.Engine().GetActionId() << ": " << w.left << "," << w.top;
        }
    }
    // Lives `hours` with random input; the events of the run (name, action, time).
    std::vector<std::string> Live(uint64_t hours, uint32_t seed, bool check) {
        MemoryEnv env;
        BusyPet().Install(env.files);
        SimOptions options = SimHarness::DefaultOptions();
        options.name = "Soak";
        options.files = &env.files;
        SaveReader report(env.files);
        CSimDesktop desktop(options, &report);
        EXPECT_TRUE(desktop.Start());
        RandomUser user(desktop, seed);
        std::vector<std::string> trail;
        for (uint64_t t = 0; t < hours * kHour && !desktop.Ended();) {
            t = user.Post(t + 200 + uint64_t(user.Pick(30000))) + 1;
            desktop.RunUntil(t);
            if (check) CheckBounds(desktop);
            if (HasFailure()) break;
            for (const SimEvent& e : report.events) {
                trail.push_back(e.name + ":" + std::to_string(e["id"]) + ":" + std::to_string(e.t));
            }
            report.events.clear();
            if (trail.size() > 200000) trail.erase(trail.begin(), trail.begin() + 100000);
        }
        EXPECT_GT(report.saves, int(hours) * 200);
        EXPECT_EQ(report.failures, 0);
        EXPECT_FALSE(desktop.Ended());
        desktop.Post({desktop.Now(), SimInput::kCommand, CommandId::kExit, 0, {}});
        desktop.RunUntil(desktop.Now());
        EXPECT_TRUE(desktop.Ended());
        EXPECT_EQ(report.failures, 0);
        return trail;
    }
};

TEST_F(Soak, ADayOfRandomUseKeepsEverythingWithinBounds) {
    Live(24, 20260101, true);
}

TEST_F(Soak, TheSameInputGivesTheSameLife) {
    std::vector<std::string> first = Live(1, 7, false);
    std::vector<std::string> second = Live(1, 7, false);
    EXPECT_GT(first.size(), 1000u);
    EXPECT_EQ(first, second);
}

}  // namespace
}  // namespace nuv::test
