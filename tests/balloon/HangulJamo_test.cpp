#include "balloon/HangulJamo.h"

#include <gtest/gtest.h>

#include "base/Cp949.h"

namespace nuv {
namespace {

TEST(HangulJamo, SplitsSyllablesWithAndWithoutFinal) {
    std::string initial, medial, final;
    EXPECT_EQ(SplitHangulSyllable("가", &initial, &medial, &final), 2);
    EXPECT_EQ(initial, "ㄱ");
    EXPECT_EQ(medial, "ㅏ");
    EXPECT_EQ(final, "");
    EXPECT_EQ(SplitHangulSyllable("힣", &initial, &medial, &final), 3);
    EXPECT_EQ(initial, "ㅎ");
    EXPECT_EQ(medial, "ㅣ");
    EXPECT_EQ(final, "ㅎ");
    EXPECT_EQ(SplitHangulSyllable("없", &initial, &medial, &final), 3);
    EXPECT_EQ(final, "ㅄ");
}

TEST(HangulJamo, RefusesWhatIsNoSyllable) {
    std::string initial = "kept", medial, final;
    EXPECT_EQ(SplitHangulSyllable("ㄱ", &initial, &medial, &final), 0);  // a jamo itself
    EXPECT_EQ(SplitHangulSyllable("漢", &initial, &medial, &final), 0);
    EXPECT_EQ(SplitHangulSyllable("ab", &initial, &medial, &final), 0);
    EXPECT_EQ(SplitHangulSyllable("\xB0", &initial, &medial, &final), 0);
    EXPECT_EQ(SplitHangulSyllable("", &initial, &medial, &final), 0);
    EXPECT_EQ(initial, "kept");

    std::string syllable = "kept";
    EXPECT_EQ(JoinHangulSyllable("ㅏ", "ㄱ", "", &syllable), 0);  // swapped
    EXPECT_EQ(JoinHangulSyllable("ㄳ", "ㅏ", "", &syllable), 0);  // a final only
    EXPECT_EQ(JoinHangulSyllable("ㄱ", "ㅏ", "x", &syllable), 0);
    EXPECT_EQ(syllable, "kept");
}

TEST(HangulJamo, EverySyllableSplitsAndJoinsBack) {
    for (uint16_t code = 0xAC00; code <= 0xD7A3; ++code) {
        std::string character = cp949::EncodeChar(code);
        std::string initial, medial, final, joined, partial;
        int parts = SplitHangulSyllable(character, &initial, &medial, &final);
        ASSERT_EQ(parts, (code - 0xAC00) % 28 == 0 ? 2 : 3) << code;
        ASSERT_EQ(JoinHangulSyllable(initial, medial, final, &joined), 1) << code;
        ASSERT_EQ(joined, character) << code;
        ASSERT_EQ(JoinHangulSyllable(initial, medial, "", &partial), 1) << code;
        ASSERT_EQ(partial, cp949::EncodeChar(uint16_t(code - (code - 0xAC00) % 28))) << code;
    }
}

}  // namespace
}  // namespace nuv
