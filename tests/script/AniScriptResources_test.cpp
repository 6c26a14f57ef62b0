#include <gtest/gtest.h>

#include <tuple>

#include "script/ScriptFixture.h"

namespace nuv {
namespace {

using ScriptResources = test::ScriptTest;

TEST_F(ScriptResources, TextsAreReadUntilTheFirstEmptyLine) {
    parts.texts =
        "[RES_TEXT]\n101;My pet;\n102;no closing separator\n103; hello ;\n104;a;b;\n\n\n"
        "105;lost;\n";
    EXPECT_TRUE(Loaded().SetTxtlistPart());
    // Two blank lines in a row leave one, which ends the walk.
    ASSERT_EQ(script.Texts().size(), 3u);
    EXPECT_EQ((std::vector{TextOf(101), TextOf(102), TextOf(103), TextOf(104), TextOf(105)}),
              (std::vector<std::string>{"My pet", "-", " hello ", "a", "-"}));
    EXPECT_EQ(script.Texts()[0].weight, 0);

    // A single blank line is collapsed and does not end the walk.
    parts.texts = "[RES_TEXT]\n101;a;\n\n102;b;\n";
    EXPECT_TRUE(Loaded().SetTxtlistPart());
    EXPECT_EQ(script.Texts().size(), 2u);
}

TEST_F(ScriptResources, TextsAreCutAndTheEarlierOfTwoIsFound) {
    parts.texts = "[RES_TEXT]\n101;" + std::string(300, 'x') + ";\n102;first;\n102;second;\n" +
                  "103;" + std::string(253, 'y') + "\xB0\xA1;\n";
    EXPECT_TRUE(Loaded().SetTxtlistPart());
    EXPECT_EQ(TextOf(101), std::string(254, 'x'));
    EXPECT_EQ(TextOf(102), "first");
    EXPECT_EQ(TextOf(103), std::string(253, 'y'));  // no half character
}

TEST_F(ScriptResources, MessagesNeedThreeSeparators) {
    parts.messages = "[RES_MESSAGE]\n251;5000; hungry ;\n252;5000;no closing\n253;1;ok;\n";
    EXPECT_TRUE(Loaded().SetMsglistPart());
    ASSERT_EQ(script.Messages().size(), 2u);
    const MsgEntry& hungry = script.Messages()[0];
    EXPECT_EQ(std::tie(hungry.id, hungry.weight, hungry.text),
              std::make_tuple(251, 5000, " hungry "));
    EXPECT_EQ(script.Messages()[1].id, 253);
}

TEST_F(ScriptResources, PickMessageSumsWeightsInTableOrderWithinTheRange) {
    parts.messages = "[RES_MESSAGE]\n251;5000;first;\n252;5000;second;\n300;10000;third;\n";
    ASSERT_TRUE(Loaded().SetMsglistPart());
    struct Case {
        int low, high;
        uint32_t draw;
        const char* expected;
    };
    for (const Case& c :
         {Case{251, 260, 0, "first"}, Case{251, 260, 5000, "first"}, Case{251, 260, 5001, "second"},
          Case{251, 260, 9999, "second"}, Case{300, 300, 0, "third"}, Case{300, 300, 4321, "third"},
          Case{300, 300, 9999, "third"}}) {
        const std::string* text = script.PickMessage(c.low, c.high, c.draw);
        ASSERT_NE(text, nullptr) << c.draw;
        EXPECT_EQ(*text, c.expected) << c.draw;
    }
}

TEST_F(ScriptResources, PickMessageWeightsBelowTenThousandCanGiveNothing) {
    parts.messages = "[RES_MESSAGE]\n251;100;rare;\n";
    ASSERT_TRUE(Loaded().SetMsglistPart());
    EXPECT_NE(script.PickMessage(251, 251, 100), nullptr);
    EXPECT_EQ(script.PickMessage(251, 251, 10101), nullptr);
    EXPECT_EQ(script.PickMessage(1, 2, 0), nullptr);
}

TEST_F(ScriptResources, CursorsAreReadExactlyToTheAnnouncedCount) {
    parts.cursors = "[RES_CURSOR]\nCount;2\n1;0; A.CUR \n2;5;B.CUR\n3;0;C\n4;0;D\n5;0;E\n";
    EXPECT_TRUE(Loaded().SetCurListPart());
    EXPECT_EQ(script.Cursors().cursorCount, 2);
    ASSERT_EQ(script.Cursors().records.size(), 2u);
    EXPECT_EQ(script.Cursors().records[0].file, "A.CUR");
    EXPECT_EQ(script.Cursors().records[1].value, 5);

    // Missing lines give empty records; a count of 0 or less gives none; an absurd count does
    // not fill the memory.
    struct Case {
        const char* count;
        std::size_t records;
    };
    for (const Case& c : {Case{"4", 4}, Case{"-3", 0}, Case{"2000000000", kMaxCursorRecords}}) {
        parts.cursors = std::string("[RES_CURSOR]\nCount;") + c.count + "\n1;0;A.CUR\n";
        EXPECT_TRUE(Loaded().SetCurListPart());
        ASSERT_EQ(script.Cursors().records.size(), c.records) << c.count;
        EXPECT_TRUE(c.records != 4 || script.Cursors().records[3].file.empty());
    }
}

TEST_F(ScriptResources, ObjectsAreTheImageAndRecordsWithFiveSeparators) {
    parts.objects =
        "[RES_OBJECT]\nImage; OBJ.BCF \n1;32,24;8,16;7; ball ;\n2;32,32;32,0;0;bone\n"
        "3;1,2;3,4;5;six;\n";
    EXPECT_TRUE(Loaded().SetObjListPart());
    EXPECT_EQ(script.Objects().objectImage, "OBJ.BCF");
    ASSERT_EQ(script.Objects().records.size(), 2u);
    const ObjEntry& ball = script.Objects().records[0];
    EXPECT_EQ(
        std::tie(ball.id, ball.width, ball.height, ball.left, ball.top, ball.value, ball.name),
        std::make_tuple(1, 32, 24, 8, 16, 7, "ball"));
    EXPECT_EQ(script.Objects().records[1].id, 3);
}

TEST_F(ScriptResources, IconsAreTwoHeadLinesThenRecords) {
    parts.icons = "[RES_ICON]\nImage;ICONS.BCF\nSize;16,18\n1;0;smile;\n2;1;short\n3;2;sad;\n";
    EXPECT_TRUE(Loaded().SetIcoListPart());
    const IconSet& icons = script.Icons();
    EXPECT_EQ(std::tie(icons.iconImage, icons.iconWidth, icons.iconHeight),
              std::make_tuple("ICONS.BCF", 16, 18));
    ASSERT_EQ(icons.records.size(), 2u);
    EXPECT_EQ(icons.records[1].name, "sad");

    // A missing second head line reads as zeros.
    parts.icons = "[RES_ICON]\nImage;ICONS.BCF\n";
    EXPECT_TRUE(Loaded().SetIcoListPart());
    EXPECT_EQ(script.Icons().iconWidth, 0);
    EXPECT_TRUE(script.Icons().records.empty());
}

TEST_F(ScriptResources, MenuLinesAreReadAsTheyAre) {
    parts.mnulist =
        "[MNULIST]\n1;901; Status ;-1;-1;0;0;0; x \n2;999\n3;510;Play;3;100;20000;5;900;more\n";
    EXPECT_TRUE(Loaded().SetMnuListPart());
    ASSERT_EQ(script.MenuItems().size(), 3u);
    const MnuEntry& status = script.MenuItems()[0];
    const MnuEntry& bare = script.MenuItems()[1];
    EXPECT_EQ(std::tie(status.caption, status.extra, bare.command, bare.caption),
              std::make_tuple("Status", "x", 999, ""));
    const MnuEntry& play = script.MenuItems()[2];
    EXPECT_EQ(
        std::tie(play.iconIndex, play.statSumLow, play.statSumHigh, play.pointLow, play.pointHigh),
        std::make_tuple(3, 100, 20000, 5, 900));
}

TEST_F(ScriptResources, SoundLinesAreReadAsTheyAre) {
    parts.sounds = "[RES_SOUND]\n1; meow ; MEOW.WAV ; 야옹 \n2\n";
    EXPECT_TRUE(Loaded().SetSndListPart());
    ASSERT_EQ(script.Sounds().size(), 2u);
    const SndEntry& meow = script.Sounds()[0];
    const SndEntry& bare = script.Sounds()[1];
    EXPECT_EQ(std::tie(meow.name, meow.file, meow.remark, bare.id, bare.file),
              std::make_tuple("meow", "MEOW.WAV", "야옹", 2, ""));
}

// The shell opens cursor and sound files itself: one named as a device is left out.
TEST_F(ScriptResources, CursorAndSoundFilesNamedAsDevicesAreLeftOut) {
    parts.sounds = "[RES_SOUND]\n1;a;NUL.WAV;\n2;b;SUB\\com1;\n3;c;NULL.WAV;\n";
    parts.cursors = "[RES_CURSOR]\nCount;2\n1;0;Con.cur\n2;0;A.CUR\n";
    EXPECT_TRUE(Loaded().SetSndListPart() && script.SetCurListPart());
    const std::vector<SndEntry>& sounds = script.Sounds();
    const std::vector<CurEntry>& cursors = script.Cursors().records;
    EXPECT_EQ(
        std::tie(sounds[0].file, sounds[1].file, sounds[2].file, cursors[0].file, cursors[1].file),
        std::make_tuple("", "", "NULL.WAV", "", "A.CUR"));
    EXPECT_TRUE(env.log.Contains(
        "SetCurListPart() - 'Con.cur'은(는) 장치 이름이라 파일 이름으로 쓸 수 없습니다."));
    EXPECT_EQ(env.log.messages().size(), 3u);
}

}  // namespace
}  // namespace nuv
