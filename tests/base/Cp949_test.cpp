#include "base/Cp949.h"

#include <gtest/gtest.h>

namespace nuv::cp949 {
namespace {

TEST(Cp949, LeadBytesAndCharacterLengths) {
    EXPECT_FALSE(IsLeadByte(0x80));
    EXPECT_TRUE(IsLeadByte(0x81));
    EXPECT_TRUE(IsLeadByte(0xFE));
    EXPECT_FALSE(IsLeadByte(0xFF));
    EXPECT_EQ(CharLength("\xB0\xA1", 0), 2u);
    EXPECT_EQ(CharLength("a\xB0", 1), 1u);  // a lead byte at the end stands alone
}

TEST(Cp949, ConvertsHangulBothWays) {
    std::string ga = "\xB0\xA1";  // U+AC00
    std::size_t length = 0;
    EXPECT_EQ(DecodeChar(ga, 0, &length), 0xAC00);
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(EncodeChar(0xAC00), ga);
    EXPECT_EQ(EncodeChar(0x3131), "\xA4\xA1");  // compatibility jamo kiyeok
    EXPECT_EQ(ToUtf8(ga + "A"),
              "\xEA\xB0\x80"
              "A");
    std::string back;
    ASSERT_TRUE(
        FromUtf8("\xEA\xB0\x80"
                 "A",
                 &back));
    EXPECT_EQ(back, ga + "A");
    ASSERT_TRUE(FromUtf8("\xC2\xB1", &back));  // a two-byte sequence: the plus-minus sign
    EXPECT_EQ(back, "\xA1\xBE");
    // Every one of the 11172 modern syllables round-trips.
    for (uint16_t code = 0xAC00; code <= 0xD7A3; ++code) {
        std::string bytes = EncodeChar(code);
        ASSERT_EQ(bytes.size(), 2u) << code;
        ASSERT_EQ(DecodeChar(bytes, 0, &length), code);
    }
}

TEST(Cp949, InvalidInputIsReported) {
    EXPECT_EQ(ToUtf8("\x80"
                     "a\xB0"),
              "\xEF\xBF\xBD"
              "a\xEF\xBF\xBD");
    std::string out = "kept";
    EXPECT_FALSE(FromUtf8("\xF0\x9F\x98\x80", &out));  // outside the code page
    EXPECT_FALSE(FromUtf8("\xE4\xB8", &out));          // cut sequence
    EXPECT_EQ(out, "kept");
}

TEST(Cp949, LowersOnlyAsciiLetters) {
    EXPECT_EQ(ToLower("[AniList]"), "[anilist]");
    EXPECT_EQ(ToLower("\x81\x41Z"), "\x81\x41z");
}

TEST(Cp949, CutsNeverSplitACharacter) {
    EXPECT_EQ(CutBytes("ab\xB0\xA1", 3), "ab");
    EXPECT_EQ(CutBytes("ab\xB0\xA1", 4), "ab\xB0\xA1");
    EXPECT_EQ(CutBytes("abcdef", 4), "abcd");
    EXPECT_EQ(CutBytes("\xB0\xA1\xB0\xA1", 1), "");
}

}  // namespace
}  // namespace nuv::cp949
