#include <gtest/gtest.h>

#include <tuple>

#include "script/PetIds.h"
#include "script/ScriptFixture.h"

namespace nuv {
namespace {

const char kAniCountMessage[] =
    "SetAniListPart() - ANI 파일에 등록된 ANI LIST 수와 실제 등록된 ANI 수가 일치하지 않습니다.";
const char kActCountMessage[] =
    "SetActListPart() - ANI 파일에 등록된 ACT LIST 수와 실제 등록된 ACT 수가 일치하지 않습니다.";

std::string Config(int levels, int aniCount, int actCount) {
    return "[CONFIG]\nS;64,80;\nL;" + std::to_string(levels) + ";\nP;100;\nA;" +
           std::to_string(aniCount) + ";\nB;" + std::to_string(actCount) + ";\nX;;\nY;;\nM;100;\n";
}

// Reads [CONFIG] and the two lists; the result of the last reader run.
class ScriptLists : public test::ScriptTest {
  protected:
    bool ReadLists() {
        return Loaded().SetConfigPart() && script.SetAniListPart() && script.SetActListPart();
    }
};

TEST_F(ScriptLists, AnimationFieldsAreRead) {
    parts.config = Config(3, 4, 1);
    parts.anilist =
        "[ANILIST]\n10; walk; 2,3; 0,1,2,1; slow walk\n11; idle; ; 5\n12; x; 4\n"
        "13; odd; ; 1,,-2, +3 ,x4,5x, \n";
    ASSERT_TRUE(ReadLists());
    auto fields = [this](int id) {
        const AniEntry* a = script.FindAnimation(id);
        return a ? std::make_tuple(a->name, a->soundIndex, a->soundFrame, a->frames, a->comment)
                 : std::make_tuple(std::string("none"), 0, 0, std::vector<int>(), std::string());
    };
    using Fields = decltype(fields(0));
    EXPECT_EQ(fields(10), (Fields{"walk", 2, 3, {0, 1, 2, 1}, "slow walk"}));
    EXPECT_EQ(fields(11), (Fields{"idle", -1, -1, {5}, ""}));
    EXPECT_EQ(fields(12), (Fields{"x", 4, 0, {}, ""}));
    // Each element reads as a number on its own: empty or junk ones are 0.
    EXPECT_EQ(script.FindAnimation(13)->frames, (std::vector<int>{1, 0, -2, 3, 0, 5, 0}));
    EXPECT_EQ(script.FindAnimation(14), nullptr);
}

TEST_F(ScriptLists, AnimationCountMustMatchTheConfiguration) {
    parts.config = Config(3, 3, 1);
    // One blank line between records is collapsed and still gives three lines.
    parts.anilist = "[ANILIST]\n10;a;;0;\n\n11;b;;0;\n12;c;;0;\n";
    EXPECT_TRUE(ReadLists());
    EXPECT_EQ(script.Animations().size(), 3u);

    // Two blank lines in a row leave one, which counts.
    parts.anilist = "[ANILIST]\n10;a;;0;\n\n\n11;b;;0;\n12;c;;0;\n";
    EXPECT_FALSE(ReadLists());
    EXPECT_TRUE(env.log.Contains(kAniCountMessage));
    EXPECT_TRUE(script.Animations().empty());

    env.log.Clear();
    parts.anilist = "[ANILIST]\n10;a;;0;\n11;b;;0;\n";
    EXPECT_FALSE(ReadLists());
    EXPECT_TRUE(env.log.Contains(kAniCountMessage));
}

TEST_F(ScriptLists, ActionWeightsEffectsAndAnimationsAreRead) {
    parts.config = Config(3, 2, 2);
    parts.actlist =
        "[ACTLIST]\n100; stand; 50; 40; 30; 0; -1; 0; 0; 1; 10; 10,11\n"
        "140; walk; 1; 2; 3; 4; 5; 6; 7; 8; 9;\n";
    ASSERT_TRUE(ReadLists());
    const ActEntry* stand = script.FindAction(ActionId::kFirst);
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(stand->name, "stand");
    EXPECT_EQ(stand->weights, (std::array<int, 10>{50, 40, 30}));
    EXPECT_EQ(std::tie(stand->deltaS0, stand->deltaS1, stand->deltaS2, stand->deltaS3,
                       stand->deltaPoint, stand->duration),
              std::make_tuple(0, -1, 0, 0, 1, 10));
    EXPECT_EQ(stand->animations, (std::vector<int>{10, 11}));
    const ActEntry* walk = script.FindAction(ActionId::kWalkLeft);
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->duration, 9);
    EXPECT_TRUE(walk->animations.empty());
}

TEST_F(ScriptLists, MoreThanTenLevelsKeepTenWeightsAndTheFieldsAfterAllOfThem) {
    parts.config = Config(12, 2, 1);
    parts.actlist = "[ACTLIST]\n100;stand;1;2;3;4;5;6;7;8;9;10;11;12;-1;-2;-3;-4;5;6;10,11\n";
    ASSERT_TRUE(ReadLists());
    const ActEntry& action = script.Actions()[0];
    EXPECT_EQ(action.weights, (std::array<int, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(std::tie(action.deltaS0, action.deltaS3, action.deltaPoint, action.duration),
              std::make_tuple(-1, -4, 5, 6));
    EXPECT_EQ(action.animations, (std::vector<int>{10, 11}));
}

TEST_F(ScriptLists, ActionCountMustMatchAndActionHundredMustExist) {
    parts.config = Config(3, 2, 2);
    EXPECT_FALSE(ReadLists());
    EXPECT_TRUE(env.log.Contains(kActCountMessage));

    env.log.Clear();
    parts.actlist = "[ACTLIST]\n101;a;1;1;1;0;0;0;0;0;1;10\n102;b;1;1;1;0;0;0;0;0;1;10\n";
    EXPECT_FALSE(ReadLists());
    EXPECT_TRUE(env.log.Contains("SetActListPart() - 첫 액션(100)이 ACT LIST에 없습니다."));
    EXPECT_TRUE(script.Actions().empty());
}

TEST_F(ScriptLists, TheEarlierOfTwoEqualNumbersIsFound) {
    parts.config = Config(1, 2, 2);
    parts.anilist = "[ANILIST]\n10;first;;0;\n10;second;;1;\n";
    parts.actlist = "[ACTLIST]\n100;first;1;0;0;0;0;0;1;10\n100;second;1;0;0;0;0;0;1;10\n";
    ASSERT_TRUE(ReadLists());
    EXPECT_EQ(script.FindAnimation(10)->name, "first");
    EXPECT_EQ(script.FindAction(ActionId::kFirst)->name, "first");
}

TEST_F(ScriptLists, AnActionsAnimationsCanBeReplacedForAWhile) {
    ASSERT_TRUE(ReadLists());
    std::vector<int>* animations = script.ActionAnimations(ActionId::kFirst);
    ASSERT_NE(animations, nullptr);
    std::vector<int> saved = *animations;
    *animations = {11};
    EXPECT_EQ(script.FindAction(ActionId::kFirst)->animations, (std::vector<int>{11}));
    *animations = saved;
    EXPECT_EQ(script.FindAction(ActionId::kFirst)->animations, (std::vector<int>{10, 11}));
    EXPECT_EQ(script.ActionAnimations(999), nullptr);
}

TEST_F(ScriptLists, NamesAreCutToTheirWidth) {
    parts.config = Config(1, 2, 1);
    // 25 bytes keep 19; a double-byte character across the limit is dropped whole.
    parts.anilist =
        "[ANILIST]\n10;abcdefghijklmnopqrstuvwxy;;0;\n11;abcdefghijklmnopqr\xB0\xED;;0;\n";
    parts.actlist = "[ACTLIST]\n100;abcdefghijkl;1;0;0;0;0;0;1;10\n";
    ASSERT_TRUE(ReadLists());
    EXPECT_EQ(script.Animations()[0].name, "abcdefghijklmnopqrs");
    EXPECT_EQ(script.Animations()[1].name, "abcdefghijklmnopqr");
    EXPECT_EQ(script.Actions()[0].name, "abcdefghi");
}

}  // namespace
}  // namespace nuv
