#include <gtest/gtest.h>

#include <tuple>

#include "script/AniScript.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::ScriptParts;

CAniScript Loaded(const ScriptParts& parts) {
    CAniScript script;
    script.LoadScriptText(parts.Text());
    return script;
}

TEST(SetTxtlistPart, ReadsTextsUntilTheFirstEmptyLine) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.texts =
        "[RES_TEXT]\n101;My pet;\n102;no closing separator\n103; hello ;\n104;a;b;\n\n\n"
        "105;lost;\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetTxtlistPart());
    // Two blank lines in a row leave one, which ends the walk.
    ASSERT_EQ(script.Texts().size(), 3u);
    EXPECT_EQ(*script.FindText(101), "My pet");
    EXPECT_EQ(script.FindText(102), nullptr);
    EXPECT_EQ(*script.FindText(103), " hello ");
    EXPECT_EQ(*script.FindText(104), "a");
    EXPECT_EQ(script.FindText(105), nullptr);
    EXPECT_EQ(script.Texts()[0].weight, 0);

    // A single blank line is collapsed and does not end the walk.
    parts.texts = "[RES_TEXT]\n101;a;\n\n102;b;\n";
    script = Loaded(parts);
    EXPECT_TRUE(script.SetTxtlistPart());
    EXPECT_EQ(script.Texts().size(), 2u);
}

TEST(SetTxtlistPart, CutsLongTextsAndFindsTheEarlierOfTwo) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.texts = "[RES_TEXT]\n101;" + std::string(300, 'x') + ";\n102;first;\n102;second;\n" +
                  "103;" + std::string(253, 'y') + "\xB0\xA1;\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetTxtlistPart());
    EXPECT_EQ(*script.FindText(101), std::string(254, 'x'));
    EXPECT_EQ(*script.FindText(102), "first");
    EXPECT_EQ(*script.FindText(103), std::string(253, 'y'));  // no half character
}

TEST(SetMsglistPart, NeedsThreeSeparators) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.messages = "[RES_MESSAGE]\n251;5000; hungry ;\n252;5000;no closing\n253;1;ok;\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetMsglistPart());
    ASSERT_EQ(script.Messages().size(), 2u);
    EXPECT_EQ(script.Messages()[0].id, 251);
    EXPECT_EQ(script.Messages()[0].weight, 5000);
    EXPECT_EQ(script.Messages()[0].text, " hungry ");
    EXPECT_EQ(script.Messages()[1].id, 253);
}

TEST(PickMessage, SumsWeightsInTableOrderWithinTheRange) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.messages = "[RES_MESSAGE]\n251;5000;first;\n252;5000;second;\n300;10000;third;\n";
    CAniScript script = Loaded(parts);
    ASSERT_TRUE(script.SetMsglistPart());
    struct Case {
        uint32_t draw;
        const char* expected;
    };
    for (const Case& c :
         {Case{0, "first"}, Case{5000, "first"}, Case{5001, "second"}, Case{9999, "second"}}) {
        const std::string* text = script.PickMessage(251, 260, c.draw);
        ASSERT_NE(text, nullptr) << c.draw;
        EXPECT_EQ(*text, c.expected) << c.draw;
    }
    for (uint32_t draw : {0u, 4321u, 9999u}) {
        ASSERT_NE(script.PickMessage(300, 300, draw), nullptr);
        EXPECT_EQ(*script.PickMessage(300, 300, draw), "third");
    }
}

TEST(PickMessage, WeightsBelowTenThousandCanGiveNothing) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.messages = "[RES_MESSAGE]\n251;100;rare;\n";
    CAniScript script = Loaded(parts);
    ASSERT_TRUE(script.SetMsglistPart());
    EXPECT_NE(script.PickMessage(251, 251, 100), nullptr);
    EXPECT_EQ(script.PickMessage(251, 251, 10101), nullptr);
    EXPECT_EQ(script.PickMessage(1, 2, 0), nullptr);
}

TEST(SetCurListPart, ReadsExactlyTheAnnouncedCount) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.cursors = "[RES_CURSOR]\nCount;2\n1;0; A.CUR \n2;5;B.CUR\n3;0;C\n4;0;D\n5;0;E\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetCurListPart());
    EXPECT_EQ(script.Cursors().cursorCount, 2);
    ASSERT_EQ(script.Cursors().records.size(), 2u);
    EXPECT_EQ(script.Cursors().records[0].file, "A.CUR");
    EXPECT_EQ(script.Cursors().records[1].value, 5);

    // Missing lines give empty records; a count of 0 or less gives none.
    parts.cursors = "[RES_CURSOR]\nCount;4\n1;0;A.CUR\n";
    script = Loaded(parts);
    EXPECT_TRUE(script.SetCurListPart());
    ASSERT_EQ(script.Cursors().records.size(), 4u);
    EXPECT_EQ(script.Cursors().records[3].file, "");
    parts.cursors = "[RES_CURSOR]\nCount;-3\n1;0;A.CUR\n";
    script = Loaded(parts);
    EXPECT_TRUE(script.SetCurListPart());
    EXPECT_TRUE(script.Cursors().records.empty());

    // An absurd count does not fill the memory.
    parts.cursors = "[RES_CURSOR]\nCount;2000000000\n1;0;A.CUR\n";
    script = Loaded(parts);
    EXPECT_TRUE(script.SetCurListPart());
    EXPECT_EQ(script.Cursors().records.size(), std::size_t(kMaxCursorRecords));
}

TEST(SetObjListPart, ReadsTheImageAndRecordsWithFiveSeparators) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.objects =
        "[RES_OBJECT]\nImage; OBJ.BCF \n1;32,24;8,16;7; ball ;\n2;32,32;32,0;0;bone\n"
        "3;1,2;3,4;5;six;\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetObjListPart());
    EXPECT_EQ(script.Objects().objectImage, "OBJ.BCF");
    ASSERT_EQ(script.Objects().records.size(), 2u);
    const ObjEntry& ball = script.Objects().records[0];
    EXPECT_EQ(std::tie(ball.id, ball.width, ball.height, ball.left, ball.top, ball.value),
              std::make_tuple(1, 32, 24, 8, 16, 7));
    EXPECT_EQ(ball.name, "ball");
    EXPECT_EQ(script.Objects().records[1].id, 3);
}

TEST(SetIcoListPart, ReadsTwoHeadLinesThenRecords) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.icons = "[RES_ICON]\nImage;ICONS.BCF\nSize;16,18\n1;0;smile;\n2;1;short\n3;2;sad;\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetIcoListPart());
    EXPECT_EQ(script.Icons().iconImage, "ICONS.BCF");
    EXPECT_EQ(script.Icons().iconWidth, 16);
    EXPECT_EQ(script.Icons().iconHeight, 18);
    ASSERT_EQ(script.Icons().records.size(), 2u);
    EXPECT_EQ(script.Icons().records[1].name, "sad");

    // A missing second head line reads as zeros.
    parts.icons = "[RES_ICON]\nImage;ICONS.BCF\n";
    script = Loaded(parts);
    EXPECT_TRUE(script.SetIcoListPart());
    EXPECT_EQ(script.Icons().iconWidth, 0);
    EXPECT_TRUE(script.Icons().records.empty());
}

TEST(SetMnuListPart, ReadsEveryLineAsItIs) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.mnulist =
        "[MNULIST]\n1;901; Status ;-1;-1;0;0;0; x \n2;999\n3;510;Play;3;100;20000;5;900;more\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetMnuListPart());
    ASSERT_EQ(script.MenuItems().size(), 3u);
    EXPECT_EQ(script.MenuItems()[0].caption, "Status");
    EXPECT_EQ(script.MenuItems()[0].extra, "x");
    EXPECT_EQ(script.MenuItems()[1].command, 999);
    EXPECT_EQ(script.MenuItems()[1].caption, "");
    const MnuEntry& play = script.MenuItems()[2];
    EXPECT_EQ(
        std::tie(play.iconIndex, play.statSumLow, play.statSumHigh, play.pointLow, play.pointHigh),
        std::make_tuple(3, 100, 20000, 5, 900));
}

TEST(SetSndListPart, ReadsEveryLineAsItIs) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.sounds = "[RES_SOUND]\n1; meow ; MEOW.WAV ; 야옹 \n2\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetSndListPart());
    ASSERT_EQ(script.Sounds().size(), 2u);
    const SndEntry& meow = script.Sounds()[0];
    EXPECT_EQ(std::tie(meow.name, meow.file, meow.remark),
              std::make_tuple("meow", "MEOW.WAV", "야옹"));
    EXPECT_EQ(script.Sounds()[1].id, 2);
    EXPECT_EQ(script.Sounds()[1].file, "");
}

// The shell opens cursor and sound files itself: one named as a device is left out.
TEST(SetSndListPart, CursorAndSoundFilesNamedAsDevicesAreLeftOut) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.sounds = "[RES_SOUND]\n1;a;NUL.WAV;\n2;b;SUB\\com1;\n3;c;NULL.WAV;\n";
    parts.cursors = "[RES_CURSOR]\nCount;2\n1;0;Con.cur\n2;0;A.CUR\n";
    CAniScript script = Loaded(parts);
    EXPECT_TRUE(script.SetSndListPart() && script.SetCurListPart());
    EXPECT_EQ(script.Sounds()[0].file, "");
    EXPECT_EQ(script.Sounds()[1].file, "");
    EXPECT_EQ(script.Sounds()[2].file, "NULL.WAV");
    EXPECT_EQ(script.Cursors().records[0].file, "");
    EXPECT_EQ(script.Cursors().records[1].file, "A.CUR");
    EXPECT_TRUE(env.log.Contains(
        "SetCurListPart() - 'Con.cur'은(는) 장치 이름이라 파일 이름으로 쓸 수 없습니다."));
    EXPECT_EQ(env.log.messages().size(), 3u);
}

}  // namespace
}  // namespace nuv
