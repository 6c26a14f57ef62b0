#include <gtest/gtest.h>

#include <tuple>

#include "script/ScriptFixture.h"

namespace nuv {
namespace {

using ScriptConfigTest = test::ScriptTest;

TEST_F(ScriptConfigTest, HeaderValuesAreAtOddPositions) {
    struct Case {
        const char* header;
        int number;
        const char* shortText;
        const char* longText;
    };
    // Lines without the closing separator join with the next label.
    for (const Case& c :
         {Case{"[HEADER]\nVersion;1;\nType;CAT;\nDesc; a grey cat ;\n", 1, "CAT", "a grey cat"},
          Case{"[HEADER]\nVersion;1\nType;CAT\nDesc;x\n", 1, "x", ""}}) {
        parts.header = c.header;
        EXPECT_TRUE(Loaded().SetHeaderPart());
        const ScriptHeader& h = script.Header();
        EXPECT_EQ(std::tie(h.headerNumber, h.headerShort, h.headerLong),
                  std::make_tuple(c.number, c.shortText, c.longText));
    }
}

TEST_F(ScriptConfigTest, HeaderTextsAreCutWithoutSplittingACharacter) {
    // headerShort keeps nine bytes: a letter and four double-byte characters (고양이다 in code
    // page 949) fit exactly.
    parts.header = "[HEADER]\nV;1;\nT;a\xB0\xED\xBE\xE7\xC0\xCC\xB4\xD9;\nD;0123456789;\n";
    EXPECT_TRUE(Loaded().SetHeaderPart());
    EXPECT_EQ(script.Header().headerShort, "a\xB0\xED\xBE\xE7\xC0\xCC\xB4\xD9");  // 1 + 8 bytes

    parts.header = "[HEADER]\nV;1;\nT;ab\xB0\xED\xBE\xE7\xC0\xCC\xB4\xD9;\n";
    EXPECT_TRUE(Loaded().SetHeaderPart());
    EXPECT_EQ(script.Header().headerShort,
              "ab\xB0\xED\xBE\xE7\xC0\xCC");  // the fourth would need byte 10
}

TEST_F(ScriptConfigTest, ConfigValuesAreAllRead) {
    parts.config =
        "[CONFIG]\nSize;64,80;\nLevels;3;\nLevelPoints;100,300,1000;\nAniNum;12;\nActNum;20;\n"
        "ListA;a, b ,c;\nListB;;\nStatMax;100;\n";
    EXPECT_TRUE(Loaded().SetConfigPart());
    const ScriptConfig& c = script.Config();
    EXPECT_EQ(script.GetFrameSize(), (Size{64, 80}));
    EXPECT_EQ(std::tie(c.levelCount, c.aniCount, c.actCount, c.statMax),
              std::make_tuple(3, 12, 20, 100));
    EXPECT_EQ(c.levelThresholds, (std::vector<int>{100, 300, 1000}));
    EXPECT_EQ(c.nameListA, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(c.nameListB.empty());
}

TEST_F(ScriptConfigTest, ExactlyOneThresholdPerLevelIsTaken) {
    struct Case {
        const char* points;
        std::vector<int> thresholds;
    };
    for (const Case& c : {Case{"100,300", {100, 300, 0}},
                          Case{"100,300,1000,5000", {100, 300, 1000}}, Case{"a, ,7", {0, 0, 7}}}) {
        parts.config = std::string("[CONFIG]\nS;1,1;\nL;3;\nP;") + c.points +
                       ";\nA;2;\nB;1;\nX;;\nY;;\nM;10;\n";
        EXPECT_TRUE(Loaded().SetConfigPart());
        EXPECT_EQ(script.Config().levelThresholds, c.thresholds) << c.points;
    }
}

TEST_F(ScriptConfigTest, ValuesThePetCannotRunWithAreRefused) {
    struct Case {
        const char* levels;
        const char* statMax;
        const char* message;
    };
    const Case cases[] = {
        {"0", "100", "SetConfigPart() - 레벨 수(0)는 1 이상 1000 이하여야 합니다."},
        {"-2", "100", "SetConfigPart() - 레벨 수(-2)는 1 이상 1000 이하여야 합니다."},
        {"2000000000", "100",
         "SetConfigPart() - 레벨 수(2000000000)는 1 이상 1000 이하여야 합니다."},
        {"3", "0", "SetConfigPart() - 상태 최대값(0)은 0보다 커야 합니다."},
        {"3", "-5", "SetConfigPart() - 상태 최대값(-5)은 0보다 커야 합니다."},
        {"3", "", "SetConfigPart() - 상태 최대값(0)은 0보다 커야 합니다."},
    };
    for (const Case& c : cases) {
        env.log.Clear();
        parts.config = std::string("[CONFIG]\nS;64,80;\nL;") + c.levels +
                       ";\nP;1,2,3;\nA;2;\nB;1;\nX;;\nY;;\nM;" + c.statMax + ";\n";
        EXPECT_FALSE(Loaded().SetConfigPart()) << parts.config;
        EXPECT_TRUE(env.log.Contains(c.message)) << parts.config;
        EXPECT_TRUE(script.Config().levelThresholds.empty());
        EXPECT_EQ(script.GetFrameSize(), (Size{0, 0}));
    }
}

}  // namespace
}  // namespace nuv
