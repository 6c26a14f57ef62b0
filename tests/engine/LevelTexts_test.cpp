// The level-up balloons: texts 207 and, at the last level, 206.

#include <gtest/gtest.h>

#include <algorithm>

#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

TinyPet PetAboutToLevel(int level, int point) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).deltaPoint = 10;
    pet.state.level = level;
    pet.state.point = point;
    return pet;
}

TEST(LevelTexts, LevelUpSaysSoAndTheLastLevelSaysMore) {
    SimHarness first(PetAboutToLevel(0, 95));
    ASSERT_TRUE(first.Start());
    ASSERT_EQ(first.report.Count("level"), 1);
    ASSERT_EQ(first.report.Count("balloon"), 1);
    EXPECT_EQ(first.report.Named("balloon")[0].texts[0], "Level up");

    SimHarness last(PetAboutToLevel(1, 295));
    ASSERT_TRUE(last.Start());
    std::vector<SimEvent> balloons = last.report.Named("balloon");
    ASSERT_EQ(balloons.size(), 2u);
    EXPECT_EQ(balloons[0].texts[0], "Level up");
    EXPECT_EQ(balloons[1].texts[0], "Top level");
    EXPECT_EQ(last.pet().GetPetInfos().PetLevel, 2);
}

TEST(LevelTexts, MissingTextsOpenNoEmptyBalloon) {
    TinyPet pet = PetAboutToLevel(1, 295);
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

}  // namespace
}  // namespace nuv::test
