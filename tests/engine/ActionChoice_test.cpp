// Choosing the next action by needs and level, and what an action does to the pet's counters.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "formats/ComplementedFile.h"
#include "formats/PetInfo.h"
#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

void SetCounters(CPet& pet, int s0, int s1, int s2, int s3) {
    PetInfos& s = pet.GetPetInfos();
    s.PetS0 = s0, s.PetS1 = s1, s.PetS2 = s2, s.PetS3 = s3;
}

// The ids PickNextAction gives in `draws` draws.
std::set<int> Picks(CPet& pet, int draws = 400) {
    std::set<int> ids;
    for (int i = 0; i < draws; ++i)
        ids.insert(pet.Engine().PickNextAction());
    return ids;
}

// A pet whose every range holds one action that is always chosen in it.
TinyPet RangesPet() {
    TinyPet pet;
    for (int id : {100, 200, 300, 410, 420, 430, 440})
        pet.Action(id).weights = {10000, 10000, 10000};
    return pet;
}

TEST_F(StartedPet, NeedFlagsFollowTheSumAndEachCounter) {
    CPet& pet = sim.pet();
    struct Case {
        int s0, s1, s2, s3, flags;
    };
    const Case cases[] = {
        {2500, 2500, 2500, 2500, 64}, {0, 0, 0, 0, 64},
        {10000, 0, 0, 1, 32},         {5000, 5000, 5000, 5000, 32},
        {9000, 9000, 9000, 9000, 0},  {8000, 9000, 9000, 9000, 2},
        {9000, 8000, 8000, 9000, 12}, {9000, 9000, 9000, 8000, 16},
        {8000, 8000, 8000, 8000, 30}, {8001, 8001, 8001, 8001, 0},
    };
    for (const Case& c : cases) {
        SetCounters(pet, c.s0, c.s1, c.s2, c.s3);
        EXPECT_EQ(pet.Engine().GetNeedFlags(), c.flags)
            << c.s0 << " " << c.s1 << " " << c.s2 << " " << c.s3;
    }
}

TEST(PickNextAction, ChoosesTheRangeOfTheNeeds) {
    SimHarness sim(RangesPet());
    ASSERT_TRUE(sim.Start());
    CPet& pet = sim.pet();
    SetCounters(pet, 2500, 2500, 2500, 2500);
    EXPECT_EQ(Picks(pet), (std::set<int>{300}));
    SetCounters(pet, 5000, 5000, 5000, 5000);
    EXPECT_EQ(Picks(pet), (std::set<int>{200}));
    SetCounters(pet, 9000, 9000, 9000, 9000);
    EXPECT_EQ(Picks(pet), (std::set<int>{100}));
    // One low counter: its range on about half the draws (an odd first number), else 0..199.
    const int lowRange[4] = {410, 420, 430, 440};
    for (int i = 0; i < 4; ++i) {
        int s[4] = {10000, 10000, 10000, 10000};
        s[i] = 0;
        SetCounters(pet, s[0], s[1], s[2], s[3]);
        EXPECT_EQ(Picks(pet), (std::set<int>{100, lowRange[i]})) << i;
    }
    // Two low counters share the draws by how far each is below statMax.
    SetCounters(pet, 10000, 5000, 10000, 0);
    EXPECT_EQ(Picks(pet, 2000), (std::set<int>{100, 420, 440}));
}

TEST(PickNextAction, FallsBackTo100WhenTheRangeIsEmptyOrTooLight) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).weights = {0, 0, 0};
    pet.Action(150).weights = {10, 10, 10};  // far below any draw above 9
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    SetCounters(sim.pet(), 5000, 5000, 5000, 5000);  // 200..299: action 200 weighs nothing
    EXPECT_EQ(Picks(sim.pet()), (std::set<int>{100}));
    SetCounters(sim.pet(), 9000, 9000, 9000, 9000);
    std::set<int> picks = Picks(sim.pet(), 2000);
    EXPECT_EQ(picks, (std::set<int>{100, 150}));
}

TEST(PickNextAction, UsesTheLastColumnAtAndAboveTheLastLevel) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).weights = {0, 0, 0};
    pet.Action(150).weights = {0, 0, 10000};
    pet.Action(151).weights = {10000, 0, 0};
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    CPet& p = sim.pet();
    for (int level : {2, 3, 7, 1000000}) {
        p.GetPetInfos().PetLevel = level;
        EXPECT_EQ(Picks(p, 50), (std::set<int>{150})) << level;
    }
    for (int level : {0, -1, -1000000}) {
        p.GetPetInfos().PetLevel = level;
        EXPECT_EQ(Picks(p, 50), (std::set<int>{151})) << level;
    }
}

TEST(PickNextAction, ReadsAtMostTenWeightColumns) {
    TinyPet pet;
    pet.thresholds = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    std::vector<int> tenth(12, 0);
    tenth[9] = 10000;
    for (TinyAction& action : pet.actions)
        action.weights.assign(12, 0);
    pet.Action(150).weights = tenth;
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    for (int level : {9, 10, 11}) {
        sim.pet().GetPetInfos().PetLevel = level;
        EXPECT_EQ(Picks(sim.pet(), 50), (std::set<int>{150})) << level;
    }
}

class ActionEffects : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(sim.Start()); }
    const ActEntry& Effects(int d0, int d1, int d2, int d3, int point) {
        action.id = 150;
        action.deltaS0 = d0, action.deltaS1 = d1, action.deltaS2 = d2, action.deltaS3 = d3;
        action.deltaPoint = point;
        return action;
    }
    PetInfos& state() { return sim.pet().GetPetInfos(); }
    std::vector<std::string> BalloonTexts() {
        std::vector<std::string> texts;
        for (const SimEvent& e : sim.report.Named("balloon"))
            texts.push_back(e.texts[0]);
        return texts;
    }

    SimHarness sim;
    ActEntry action;
};

TEST_F(ActionEffects, CountersStayWithinZeroAndStatMax) {
    SetCounters(sim.pet(), 9990, 5, 10000, 0);
    int flags = sim.pet().Engine().ApplyActionEffects(Effects(100, -100, 1, -1, 0));
    const PetInfos& s = state();
    EXPECT_EQ((std::vector<int>{s.PetS0, s.PetS1, s.PetS2, s.PetS3}),
              (std::vector<int>{10000, 0, 10000, 0}));
    EXPECT_EQ(flags, 32);  // the flags after the change
    // Extreme values in the state file or the script do not wrap around.
    SetCounters(sim.pet(), 2147483647, -2147483647, 0, 0);
    state().PetPoint = 2147483647;
    sim.pet().Engine().ApplyActionEffects(Effects(2147483647, -2147483647, 0, 0, 2147483647));
    EXPECT_EQ((std::vector<int>{s.PetS0, s.PetS1, s.PetPoint}), (std::vector<int>{10000, 0, 1000}));
}

TEST_F(ActionEffects, PointsStayWithinTheLevelAndTheLastThreshold) {
    state().PetPoint = 20;
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, -50));
    EXPECT_EQ(state().PetPoint, 0);
    state().PetLevel = 2;
    state().PetPoint = 500;
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, -400));
    EXPECT_EQ(state().PetPoint, 300);  // not below the threshold of the level
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, 5000));
    EXPECT_EQ(state().PetPoint, 1000);
    EXPECT_EQ(state().PetLevel, 2);  // the last level is never left
    EXPECT_EQ(sim.report.Count("level"), 0);
}

TEST_F(ActionEffects, LevelUpOpensBalloon207AndAtTheLastLevel206) {
    int saves = sim.report.Count("save");
    state().PetPoint = 95;
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, 10));
    EXPECT_EQ(state().PetLevel, 1);
    EXPECT_EQ(BalloonTexts(), (std::vector<std::string>{"Level up"}));
    EXPECT_EQ(sim.report.Named("level").back()["level"], 1);
    EXPECT_EQ(sim.report.Count("save"), saves + 1);
    std::vector<SimEvent> balloons = sim.report.Named("balloon");
    EXPECT_EQ(balloons[0]["kind"], 2);
    Rect pet = sim.Window();
    EXPECT_EQ(balloons[0]["x"], (pet.left + pet.right) / 2 - 91);
    EXPECT_EQ(balloons[0]["y"], pet.top - 170);

    // One level an action, even when the points pass two thresholds.
    state().PetLevel = 0;
    state().PetPoint = 0;
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, 900));
    EXPECT_EQ(state().PetLevel, 1);
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, 0));
    EXPECT_EQ(state().PetLevel, 2);
    EXPECT_EQ(BalloonTexts(),
              (std::vector<std::string>{"Level up", "Level up", "Level up", "Top level"}));
    EXPECT_EQ(sim.pet().openBalloon() != nullptr, true);
}

TEST(LevelTexts, MissingTextsOpenNoEmptyBalloon) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).deltaPoint = 10;
    pet.state.level = 1;
    pet.state.point = 295;  // two levels up: texts 207 and 206
    pet.texts.erase(std::remove_if(pet.texts.begin(), pet.texts.end(),
                                   [](const std::string& t) {
                                       return t.rfind("206;", 0) == 0 || t.rfind("207;", 0) == 0;
                                   }),
                    pet.texts.end());
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    EXPECT_EQ(sim.report.Count("level"), 1);
    EXPECT_EQ(sim.report.Count("balloon"), 0);
}

TEST_F(ActionEffects, ALevelOutsideTheLevelsIsTakenAsTheNearestOne) {
    state().PetLevel = 12;
    state().PetPoint = 5;
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, 1));
    EXPECT_EQ(state().PetLevel, 2);
    EXPECT_EQ(state().PetPoint, 300);
    state().PetLevel = -4;
    state().PetPoint = 5;
    sim.pet().Engine().ApplyActionEffects(Effects(0, 0, 0, 0, 1));
    EXPECT_EQ(state().PetLevel, 0);
    EXPECT_EQ(state().PetPoint, 6);
}

TEST_F(ActionEffects, EveryChangeIsSavedAndReadBack) {
    SetCounters(sim.pet(), 1234, 2345, 3456, 4567);
    state().PetPoint = 42;
    sim.pet().Engine().ApplyActionEffects(Effects(1, 1, 1, 1, 1));
    CPetInfo saved;
    ASSERT_TRUE(saved.LoadPetStateFile(sim.env.files, ".\\DATA\\CAT.CFG"));
    ASSERT_TRUE(saved.SetPetInfosPart());
    const PetInfos& s = saved.GetPetInfos();
    EXPECT_EQ((std::vector<int>{s.PetS0, s.PetS3, s.PetPoint}), (std::vector<int>{1235, 4568, 43}));
}

TEST(ActionStart, CursorGamesReplaceTheCursorsInsteadOfApplyingEffects) {
    TinyPet pet;
    for (int id : {510, 520, 530, 540, 550})
        pet.Action(id).deltaS0 = -500;
    pet.Action(150).deltaS0 = -500;
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    const std::pair<int, const char*> games[] = {
        {510, "C0"}, {550, "C1"}, {540, "C2"}, {530, "C3"}, {520, "C4"}};
    for (auto [id, cursor] : games) {
        sim.StartAction(id);
        EXPECT_EQ(sim.report.Named("cursor").back().texts[0],
                  std::string(".\\PETS\\") + cursor + ".CUR");
        EXPECT_EQ(sim.pet().GetPetInfos().PetS0, 9000) << id;
    }
    sim.StartAction(150);
    EXPECT_EQ(sim.report.Named("cursor").back().texts[0], "null");
    EXPECT_EQ(sim.pet().GetPetInfos().PetS0, 8500);
}

TEST(ActionStart, AGameWithoutItsCursorRecordStillStarts) {
    TinyPet pet;
    pet.cursors = {"C0.CUR"};
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    sim.StartAction(ActionId::kStroke);
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kStroke);
    EXPECT_EQ(sim.report.Count("cursor"), 0);
    sim.RunFor(5000);
}

}  // namespace
}  // namespace nuv::test
