#include <gtest/gtest.h>

#include "formats/ComplementedFile.h"
#include "script/ScriptFixture.h"

namespace nuv {
namespace {

using test::ScriptParts;
using ScriptReading = test::ScriptTest;

const char kScriptPath[] = ".\\PETS\\CAT.ANI";

struct ReaderCase {
    const char* name;
    bool (CAniScript::*read)();
    std::string ScriptParts::*section;  // null for [RES_MESSAGE], which may be missing
    const char* sectionName;
};

// The readers in start-up order.
const ReaderCase kReaders[] = {
    {"SetHeaderPart", &CAniScript::SetHeaderPart, &ScriptParts::header, "[HEADER]"},
    {"SetConfigPart", &CAniScript::SetConfigPart, &ScriptParts::config, "[CONFIG]"},
    {"SetAniListPart", &CAniScript::SetAniListPart, &ScriptParts::anilist, "[ANILIST]"},
    {"SetActListPart", &CAniScript::SetActListPart, &ScriptParts::actlist, "[ACTLIST]"},
    {"SetMnuListPart", &CAniScript::SetMnuListPart, &ScriptParts::mnulist, "[MNULIST]"},
    {"SetIcoListPart", &CAniScript::SetIcoListPart, &ScriptParts::icons, "[RES_ICON]"},
    {"SetCurListPart", &CAniScript::SetCurListPart, &ScriptParts::cursors, "[RES_CURSOR]"},
    {"SetObjListPart", &CAniScript::SetObjListPart, &ScriptParts::objects, "[RES_OBJECT]"},
    {"SetSndListPart", &CAniScript::SetSndListPart, &ScriptParts::sounds, "[RES_SOUND]"},
    {"SetTxtlistPart", &CAniScript::SetTxtlistPart, &ScriptParts::texts, "[RES_TEXT]"},
    {"SetMsglistPart", &CAniScript::SetMsglistPart, nullptr, "[RES_MESSAGE]"},
};

TEST_F(ScriptReading, LoadScriptFileReadsTheComplementedFileAndEverySection) {
    env.files.Put(kScriptPath, Complement(parts.Text()));
    ASSERT_TRUE(script.LoadScriptFile(env.files, kScriptPath));
    EXPECT_TRUE(script.ReadAllSections());
    EXPECT_TRUE(env.log.messages().empty());
    EXPECT_EQ(script.Animations().size(), 2u);
    EXPECT_EQ(script.Actions().size(), 1u);
    EXPECT_EQ(TextOf(101), "My pet");
}

TEST_F(ScriptReading, LoadScriptFileFailsOnMissingEmptyOrUncomplementedFiles) {
    // What is logged is ReadScriptFile's (see ComplementedFile.ReadLogsEachFailure).
    EXPECT_FALSE(script.LoadScriptFile(env.files, kScriptPath));
    env.files.Put(kScriptPath, "");
    EXPECT_FALSE(script.LoadScriptFile(env.files, kScriptPath));

    // Stored without the complement, the text reads as unreadable bytes.
    env.files.Put(kScriptPath, parts.Text());
    EXPECT_TRUE(script.LoadScriptFile(env.files, kScriptPath));
    env.log.Clear();
    EXPECT_FALSE(script.SetHeaderPart());
    EXPECT_TRUE(env.log.Contains("SetHeaderPart() - 카테고리 '[HEADER]'의 내용이 없습니다."));
}

TEST_F(ScriptReading, EachReaderReportsAnEmptyScriptBuffer) {
    for (const ReaderCase& reader : kReaders) {
        env.log.Clear();
        EXPECT_FALSE((script.*reader.read)()) << reader.name;
        ASSERT_EQ(env.log.messages().size(), 1u) << reader.name;
        EXPECT_EQ(env.log.messages()[0],
                  std::string(reader.name) + "() - 파일버퍼의 내용이 없습니다.");
    }
}

TEST_F(ScriptReading, EachReaderButTheMessagesNeedsItsSection) {
    for (const ReaderCase& reader : kReaders) {
        if (!reader.section) continue;
        env.log.Clear();
        parts = ScriptParts();
        parts.*reader.section = "";
        EXPECT_FALSE(Loaded().ReadAllSections()) << reader.name;
        ASSERT_EQ(env.log.messages().size(), 1u) << reader.name;
        EXPECT_EQ(env.log.messages()[0], std::string(reader.name) + "() - 카테고리 '" +
                                             reader.sectionName + "'의 내용이 없습니다.");
    }
}

TEST_F(ScriptReading, ASectionOfOnlyBlanksAndCommentsIsEmpty) {
    parts.config = "[CONFIG]\n\n// nothing yet\n   \n";
    EXPECT_FALSE(Loaded().SetConfigPart());
    EXPECT_TRUE(env.log.Contains("SetConfigPart() - 카테고리 '[CONFIG]'의 내용이 없습니다."));
}

TEST_F(ScriptReading, AScriptWithoutMessagesLoadsAndNeverPicksOne) {
    parts.messages = "";
    EXPECT_TRUE(Loaded().ReadAllSections());
    EXPECT_TRUE(env.log.messages().empty());
    EXPECT_TRUE(script.Messages().empty());
    for (uint32_t draw = 0; draw < 50; ++draw)
        EXPECT_EQ(script.PickMessage(0, 100000, draw * 997), nullptr);
}

TEST_F(ScriptReading, StartUpOrderStopsAtTheFirstFailure) {
    parts.actlist = "";
    EXPECT_FALSE(Loaded().ReadAllSections());
    EXPECT_EQ(script.Animations().size(), 2u);
    EXPECT_TRUE(script.MenuItems().empty());
    EXPECT_TRUE(script.Texts().empty());
    EXPECT_EQ(env.log.messages().size(), 1u);
}

TEST_F(ScriptReading, NamesInAnyCaseAndSectionsInAnyOrder) {
    parts.anilist = "[AniList]\n10;walk;;0,1;\n11;idle;;2;\n";
    std::swap(parts.header, parts.messages);
    script.LoadScriptText("some words before the first section\r\n" + parts.Text());
    EXPECT_TRUE(script.ReadAllSections());
    EXPECT_EQ(script.Animations().size(), 2u);
    EXPECT_EQ(script.Header().headerShort, "CAT");
}

// A section ends at the next bracket; tabs go first, then comments: a tab between the slashes
// still makes a comment, and a web address is cut.
TEST_F(ScriptReading, BracketsEndASectionAndTabsGoBeforeComments) {
    struct Case {
        const char* texts;
        const char* first;
    };
    for (const Case& c : {Case{"[RES_TEXT]\n101;ab;\n102;c[d;\n", "ab"},
                          Case{"[RES_TEXT]\n// the texts\n101;\tMy\tpet;  /\t/ the title\n"
                               "102;see http://x.org;\n",
                               "Mypet"}}) {
        parts.texts = c.texts;
        EXPECT_TRUE(Loaded().SetTxtlistPart());
        ASSERT_EQ(script.Texts().size(), 1u) << c.texts;
        EXPECT_EQ(script.Texts()[0].text, c.first);
        EXPECT_EQ(TextOf(102), "-");  // "102;see http:" has one ';'
    }
}

TEST_F(ScriptReading, AReaderReplacesOnlyItsOwnTableAndEmptiesItOnFailure) {
    ASSERT_TRUE(Loaded().ReadAllSections());
    parts.sounds = "";
    EXPECT_TRUE(Loaded().SetAniListPart());  // run again, it replaces its table
    EXPECT_FALSE(script.SetSndListPart());
    EXPECT_TRUE(script.Sounds().empty());
    EXPECT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Animations().size(), 2u);
}

TEST_F(ScriptReading, ResetEmptiesEveryTableAndTheBuffer) {
    ASSERT_TRUE(Loaded().ReadAllSections());
    script.ResetScript();
    EXPECT_TRUE(script.ScriptBuffer().empty() && script.Animations().empty() &&
                script.Actions().empty() && script.MenuItems().empty() &&
                script.Icons().records.empty() && script.Icons().iconImage.empty() &&
                script.Cursors().records.empty() && script.Objects().records.empty() &&
                script.Sounds().empty() && script.Texts().empty() && script.Messages().empty() &&
                script.Header().headerShort.empty());
    EXPECT_EQ(script.Config().statMax, 0);
    EXPECT_EQ(script.GetFrameSize(), (Size{0, 0}));
}

}  // namespace
}  // namespace nuv
