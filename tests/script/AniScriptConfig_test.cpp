#include <gtest/gtest.h>

#include "script/AniScript.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::ScriptParts;

// A script whose [HEADER] or [CONFIG] is `section`.
CAniScript WithSection(std::string ScriptParts::*part, const std::string& section) {
    ScriptParts parts;
    parts.*part = section;
    CAniScript script;
    script.LoadScriptText(parts.Text());
    return script;
}

TEST(SetHeaderPart, ReadsValuesAtOddPositions) {
    test::MemoryEnv env;
    CAniScript script =
        WithSection(&ScriptParts::header, "[HEADER]\nVersion;1;\nType;CAT;\nDesc; a grey cat ;\n");
    EXPECT_TRUE(script.SetHeaderPart());
    EXPECT_EQ(script.Header().headerNumber, 1);
    EXPECT_EQ(script.Header().headerShort, "CAT");
    EXPECT_EQ(script.Header().headerLong, "a grey cat");
}

TEST(SetHeaderPart, LinesWithoutClosingSeparatorJoinWithTheNextLabel) {
    test::MemoryEnv env;
    CAniScript script =
        WithSection(&ScriptParts::header, "[HEADER]\nVersion;1\nType;CAT\nDesc;x\n");
    EXPECT_TRUE(script.SetHeaderPart());
    EXPECT_EQ(script.Header().headerNumber, 1);
    EXPECT_EQ(script.Header().headerShort, "x");
    EXPECT_EQ(script.Header().headerLong, "");
}

TEST(SetHeaderPart, CutsTextsWithoutSplittingACharacter) {
    test::MemoryEnv env;
    // headerShort keeps nine bytes: a letter and four double-byte characters (고양이다 in code
    // page 949) fit exactly.
    CAniScript script =
        WithSection(&ScriptParts::header,
                    "[HEADER]\nV;1;\nT;a\xB0\xED\xBE\xE7\xC0\xCC\xB4\xD9;\nD;0123456789;\n");
    EXPECT_TRUE(script.SetHeaderPart());
    EXPECT_EQ(script.Header().headerShort, "a\xB0\xED\xBE\xE7\xC0\xCC\xB4\xD9");  // 1 + 8 bytes

    script = WithSection(&ScriptParts::header,
                         "[HEADER]\nV;1;\nT;ab\xB0\xED\xBE\xE7\xC0\xCC\xB4\xD9;\n");
    EXPECT_TRUE(script.SetHeaderPart());
    EXPECT_EQ(script.Header().headerShort,
              "ab\xB0\xED\xBE\xE7\xC0\xCC");  // the fourth would need byte 10
}

TEST(SetConfigPart, ReadsEveryValue) {
    test::MemoryEnv env;
    CAniScript script = WithSection(
        &ScriptParts::config,
        "[CONFIG]\nSize;64,80;\nLevels;3;\nLevelPoints;100,300,1000;\nAniNum;12;\nActNum;20;\n"
        "ListA;a, b ,c;\nListB;;\nStatMax;100;\n");
    EXPECT_TRUE(script.SetConfigPart());
    const ScriptConfig& c = script.Config();
    EXPECT_EQ(script.GetFrameSize(), (Size{64, 80}));
    EXPECT_EQ(c.levelCount, 3);
    EXPECT_EQ(c.levelThresholds, (std::vector<int>{100, 300, 1000}));
    EXPECT_EQ(c.aniCount, 12);
    EXPECT_EQ(c.actCount, 20);
    EXPECT_EQ(c.nameListA, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(c.nameListB.empty());
    EXPECT_EQ(c.statMax, 100);
}

TEST(SetConfigPart, TakesExactlyOneThresholdPerLevel) {
    test::MemoryEnv env;
    const char* base = "[CONFIG]\nS;1,1;\nL;3;\nP;%s;\nA;2;\nB;1;\nX;;\nY;;\nM;10;\n";
    char text[200];
    std::snprintf(text, sizeof text, base, "100,300");
    CAniScript script = WithSection(&ScriptParts::config, text);
    EXPECT_TRUE(script.SetConfigPart());
    EXPECT_EQ(script.Config().levelThresholds, (std::vector<int>{100, 300, 0}));

    std::snprintf(text, sizeof text, base, "100,300,1000,5000");
    script = WithSection(&ScriptParts::config, text);
    EXPECT_TRUE(script.SetConfigPart());
    EXPECT_EQ(script.Config().levelThresholds, (std::vector<int>{100, 300, 1000}));

    std::snprintf(text, sizeof text, base, "a, ,7");
    script = WithSection(&ScriptParts::config, text);
    EXPECT_TRUE(script.SetConfigPart());
    EXPECT_EQ(script.Config().levelThresholds, (std::vector<int>{0, 0, 7}));
}

TEST(SetConfigPart, RefusesValuesThePetCannotRunWith) {
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
        test::MemoryEnv env;
        std::string config = std::string("[CONFIG]\nS;64,80;\nL;") + c.levels +
                             ";\nP;1,2,3;\nA;2;\nB;1;\nX;;\nY;;\nM;" + c.statMax + ";\n";
        CAniScript script = WithSection(&ScriptParts::config, config);
        EXPECT_FALSE(script.SetConfigPart()) << config;
        EXPECT_TRUE(env.log.Contains(c.message)) << config;
        EXPECT_TRUE(script.Config().levelThresholds.empty());
        EXPECT_EQ(script.GetFrameSize(), (Size{0, 0}));
    }
}

}  // namespace
}  // namespace nuv
