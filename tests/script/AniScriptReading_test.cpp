#include <gtest/gtest.h>

#include "formats/ComplementedFile.h"
#include "script/AniScript.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::Crlf;
using test::ScriptParts;

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

TEST(LoadScriptFile, ReadsTheComplementedFileAndEverySection) {
    test::MemoryEnv env;
    env.files.Put(kScriptPath, Complement(ScriptParts().Text()));
    CAniScript script;
    ASSERT_TRUE(script.LoadScriptFile(env.files, kScriptPath));
    EXPECT_TRUE(script.ReadAllSections());
    EXPECT_TRUE(env.log.messages().empty());
    EXPECT_EQ(script.Animations().size(), 2u);
    EXPECT_EQ(script.Actions().size(), 1u);
    ASSERT_NE(script.FindText(101), nullptr);
    EXPECT_EQ(*script.FindText(101), "My pet");
}

TEST(LoadScriptFile, FailsOnMissingEmptyOrUncomplementedFiles) {
    test::MemoryEnv env;
    CAniScript script;
    EXPECT_FALSE(script.LoadScriptFile(env.files, kScriptPath));
    EXPECT_TRUE(env.log.Contains("ReadScriptFile() - .\\PETS\\CAT.ANI 파일을 열 수 없습니다."));

    env.files.Put(kScriptPath, "");
    EXPECT_FALSE(script.LoadScriptFile(env.files, kScriptPath));
    EXPECT_TRUE(
        env.log.Contains("ReadScriptFile() - .\\PETS\\CAT.ANI 파일의 사이즈는 0 Byte입니다."));

    // Stored without the complement, the text reads as unreadable bytes.
    env.files.Put(kScriptPath, ScriptParts().Text());
    EXPECT_TRUE(script.LoadScriptFile(env.files, kScriptPath));
    env.log.Clear();
    EXPECT_FALSE(script.SetHeaderPart());
    EXPECT_TRUE(env.log.Contains("SetHeaderPart() - 카테고리 '[HEADER]'의 내용이 없습니다."));
}

TEST(SectionReaders, EachReportsAnEmptyScriptBuffer) {
    test::MemoryEnv env;
    CAniScript script;
    for (const ReaderCase& reader : kReaders) {
        env.log.Clear();
        EXPECT_FALSE((script.*reader.read)()) << reader.name;
        ASSERT_EQ(env.log.messages().size(), 1u) << reader.name;
        EXPECT_EQ(env.log.messages()[0],
                  std::string(reader.name) + "() - 파일버퍼의 내용이 없습니다.");
    }
}

TEST(SectionReaders, EachButTheMessagesNeedsItsSection) {
    for (const ReaderCase& reader : kReaders) {
        if (!reader.section) continue;
        test::MemoryEnv env;
        ScriptParts parts;
        parts.*reader.section = "";
        CAniScript script;
        ASSERT_TRUE(script.LoadScriptText(parts.Text()));
        EXPECT_FALSE(script.ReadAllSections()) << reader.name;
        ASSERT_EQ(env.log.messages().size(), 1u) << reader.name;
        EXPECT_EQ(env.log.messages()[0], std::string(reader.name) + "() - 카테고리 '" +
                                             reader.sectionName + "'의 내용이 없습니다.");
    }
}

TEST(SectionReaders, ASectionOfOnlyBlanksAndCommentsIsEmpty) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.config = "[CONFIG]\n\n// nothing yet\n   \n";
    CAniScript script;
    script.LoadScriptText(parts.Text());
    EXPECT_FALSE(script.SetConfigPart());
    EXPECT_TRUE(env.log.Contains("SetConfigPart() - 카테고리 '[CONFIG]'의 내용이 없습니다."));
}

TEST(SectionReaders, AScriptWithoutMessagesLoadsAndNeverPicksOne) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.messages = "";
    CAniScript script;
    script.LoadScriptText(parts.Text());
    EXPECT_TRUE(script.ReadAllSections());
    EXPECT_TRUE(env.log.messages().empty());
    EXPECT_TRUE(script.Messages().empty());
    for (uint32_t draw = 0; draw < 50; ++draw)
        EXPECT_EQ(script.PickMessage(0, 100000, draw * 997), nullptr);
}

TEST(SectionReaders, StartUpOrderStopsAtTheFirstFailure) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.actlist = "";
    CAniScript script;
    script.LoadScriptText(parts.Text());
    EXPECT_FALSE(script.ReadAllSections());
    EXPECT_EQ(script.Animations().size(), 2u);
    EXPECT_TRUE(script.MenuItems().empty());
    EXPECT_TRUE(script.Texts().empty());
    EXPECT_EQ(env.log.messages().size(), 1u);
}

TEST(SectionSyntax, NamesInAnyCaseAndSectionsInAnyOrder) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.anilist = "[AniList]\n10;walk;;0,1;\n11;idle;;2;\n";
    std::swap(parts.header, parts.messages);
    CAniScript script;
    script.LoadScriptText("some words before the first section\r\n" + parts.Text());
    EXPECT_TRUE(script.ReadAllSections());
    EXPECT_EQ(script.Animations().size(), 2u);
    EXPECT_EQ(script.Header().headerShort, "CAT");
}

TEST(SectionSyntax, ASectionEndsAtTheNextBracket) {
    test::MemoryEnv env;
    ScriptParts parts;
    parts.texts = "[RES_TEXT]\n101;ab;\n102;c[d;\n";
    CAniScript script;
    script.LoadScriptText(parts.Text());
    EXPECT_TRUE(script.SetTxtlistPart());
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Texts()[0].text, "ab");
}

TEST(SectionSyntax, TabsGoFirstThenComments) {
    test::MemoryEnv env;
    ScriptParts parts;
    // A tab between the slashes still makes a comment in a pet script; a web address is cut.
    parts.texts =
        "[RES_TEXT]\n// the texts\n101;\tMy\tpet;  /\t/ the title\n102;see http://x.org;\n";
    CAniScript script;
    script.LoadScriptText(parts.Text());
    EXPECT_TRUE(script.SetTxtlistPart());
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Texts()[0].text, "Mypet");
    EXPECT_EQ(script.FindText(102), nullptr);  // "102;see http:" has one ';'
}

TEST(ScriptState, AFailedReaderEmptiesOnlyItsOwnTable) {
    test::MemoryEnv env;
    CAniScript script;
    script.LoadScriptText(ScriptParts().Text());
    ASSERT_TRUE(script.ReadAllSections());
    ScriptParts parts;
    parts.sounds = "";
    script.LoadScriptText(parts.Text());
    EXPECT_FALSE(script.SetSndListPart());
    EXPECT_TRUE(script.Sounds().empty());
    EXPECT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Animations().size(), 2u);
}

TEST(ScriptState, ResetEmptiesEveryTableAndTheBuffer) {
    test::MemoryEnv env;
    CAniScript script;
    script.LoadScriptText(ScriptParts().Text());
    ASSERT_TRUE(script.ReadAllSections());
    script.ResetScript();
    EXPECT_TRUE(script.ScriptBuffer().empty());
    EXPECT_TRUE(script.Animations().empty());
    EXPECT_TRUE(script.Actions().empty());
    EXPECT_TRUE(script.MenuItems().empty());
    EXPECT_TRUE(script.Icons().records.empty());
    EXPECT_TRUE(script.Icons().iconImage.empty());
    EXPECT_TRUE(script.Cursors().records.empty());
    EXPECT_TRUE(script.Objects().records.empty());
    EXPECT_TRUE(script.Sounds().empty());
    EXPECT_TRUE(script.Texts().empty());
    EXPECT_TRUE(script.Messages().empty());
    EXPECT_EQ(script.Config().statMax, 0);
    EXPECT_TRUE(script.Header().headerShort.empty());
    EXPECT_EQ(script.GetFrameSize(), (Size{0, 0}));
}

TEST(ScriptState, RunningAReaderAgainReplacesItsTable) {
    test::MemoryEnv env;
    CAniScript script;
    script.LoadScriptText(ScriptParts().Text());
    ASSERT_TRUE(script.ReadAllSections());
    EXPECT_TRUE(script.SetTxtlistPart());
    EXPECT_TRUE(script.SetAniListPart());
    EXPECT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Animations().size(), 2u);
}

}  // namespace
}  // namespace nuv
