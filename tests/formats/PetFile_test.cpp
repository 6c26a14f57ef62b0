#include "formats/PetFile.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "formats/ComplementedFile.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::Crlf;

const char kMessagePath[] = ".\\DATA\\CAT.CMC";

class AdMessages : public ::testing::Test {
  protected:
    bool Load(const std::string& text) {
        env.files.Put(kMessagePath, Complement(Crlf(text)));
        return file.LoadAdMessages(env.files, kMessagePath);
    }
    // How often each text comes out over every possible draw.
    std::map<std::string, int> PickEveryDraw() const {
        std::map<std::string, int> counts;
        for (uint32_t draw = 0; draw < uint32_t(file.TotalWeight()); ++draw) {
            const std::string* text = file.PickAdMessage(draw);
            ++counts[text ? *text : "(none)"];
        }
        return counts;
    }

    test::MemoryEnv env;
    CPetFile file;
};

TEST_F(AdMessages, LoadReadsLinesUpToTheFirstEmptyOne) {
    ASSERT_TRUE(Load("// ads\n1;10;Hello;\n2;10;Hello\n3;30; <b>news</b> ;more\n\n4;5;late;\n"));
    ASSERT_EQ(file.AdMessages().size(), 2u);
    const auto& ads = file.AdMessages();
    EXPECT_EQ(std::tie(ads[0].number, ads[0].text, ads[1].weight, ads[1].text),
              std::make_tuple(1, "Hello", 30, " <b>news</b> "));
    EXPECT_EQ(file.TotalWeight(), 40);
}

TEST_F(AdMessages, LoadEmptyOrMissingFilesFailAndClearTheList) {
    ASSERT_TRUE(Load("1;10;Hello;\n"));
    env.files.Put(kMessagePath, "");
    EXPECT_FALSE(file.LoadAdMessages(env.files, kMessagePath));
    EXPECT_TRUE(file.AdMessages().empty());
    EXPECT_EQ(file.TotalWeight(), 0);
    EXPECT_FALSE(file.LoadAdMessages(env.files, ".\\DATA\\NONE.CMC"));

    // Lines without three separators load as an empty list, which gives nothing to show.
    EXPECT_TRUE(Load("1;10;Hello\n"));
    EXPECT_TRUE(file.AdMessages().empty());
    EXPECT_EQ(file.PickAdMessage(0), nullptr);
}

TEST_F(AdMessages, PickChancesFollowTheWeights) {
    ASSERT_TRUE(Load("1;1;one;\n2;3;three;\n"));
    EXPECT_EQ(PickEveryDraw(), (std::map<std::string, int>{{"one", 1}, {"three", 3}}));
}

TEST_F(AdMessages, PickZeroAndNegativeWeightsAreNeverDrawn) {
    ASSERT_TRUE(Load("1;0;zero;\n2;-7;negative;\n3;5;five;\n"));
    EXPECT_EQ(file.TotalWeight(), 5);
    EXPECT_EQ(PickEveryDraw(), (std::map<std::string, int>{{"five", 5}}));
}

TEST_F(AdMessages, PickLargeWeightsDoNotOverflow) {
    ASSERT_TRUE(Load("1;2000000000;a;\n2;2000000000;b;\n3;2000000000;c;\n"));
    EXPECT_EQ(file.TotalWeight(), 6000000000LL);
    for (uint32_t tick : {0u, 123456789u, 4294967295u}) {
        EXPECT_NE(file.PickAdMessage(tick), nullptr);
    }
}

TEST_F(AdMessages, LoadCutsTextsTo254Bytes) {
    ASSERT_TRUE(Load("1;1;" + std::string(253, 'a') + "\xB0\xA1;\n"));
    EXPECT_EQ(file.AdMessages()[0].text, std::string(253, 'a'));
}

}  // namespace
}  // namespace nuv
