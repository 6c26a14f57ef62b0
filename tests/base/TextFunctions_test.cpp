#include "base/TextFunctions.h"

#include <gtest/gtest.h>

namespace nuv {
namespace {

TEST(GetField, NumbersFieldsFromZeroAndKeepsEmptyOnes) {
    EXPECT_EQ(GetField("a;b;c", 2, ';'), "c");
    EXPECT_EQ(GetField("a;b;c", 3, ';'), "");
    EXPECT_EQ(GetField("abc", 0, ';'), "abc");
    EXPECT_EQ(GetField("abc", 1, ';'), "");
    EXPECT_EQ(GetField("a;b;", 2, ';'), "");
    EXPECT_EQ(GetField("a;;b", 1, ';'), "");
    EXPECT_EQ(GetField("a;;b", 2, ';'), "b");
    EXPECT_EQ(GetField("PetNo; 3", 1, ';'), " 3");
    EXPECT_EQ(GetField("", 0, ';'), "");
    EXPECT_EQ(GetIntField("x;12;y", 1, ';'), 12);
    EXPECT_EQ(GetIntField("x", 4, ';'), 0);
}

TEST(SplitFields, GivesEveryFieldAsGetFieldDoes) {
    for (std::string_view text : {"", ",", "a", ",a,,b,", " 1 ,x, -2", ",,"}) {
        std::vector<std::string_view> fields = SplitFields(text, ',');
        ASSERT_EQ(int(fields.size()), CountOf(text, ",") + 1) << text;
        for (std::size_t i = 0; i < fields.size(); ++i)
            EXPECT_EQ(fields[i], GetField(text, int(i), ',')) << text << " " << i;
    }
}

TEST(TextToInt, ReadsLikeAtoi) {
    EXPECT_EQ(TextToInt(" 12abc"), 12);
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt("\t-7"), -7);
    EXPECT_EQ(TextToInt("+5"), 5);
    EXPECT_EQ(TextToInt("- 5"), 0);
    EXPECT_EQ(TextToInt("99999999999"), 2147483647);
    EXPECT_EQ(TextToInt("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(TextToInt64("5000000000"), 5000000000LL);
}

TEST(TrimText, RemovesWhiteSpaceOnBothSidesInPlace) {
    std::string text = " \t\r\n\v\fa b\f\v\n\r\t ";
    EXPECT_EQ(TrimText(text), "a b");
    EXPECT_EQ(text, "a b");
    EXPECT_EQ(Trimmed("   "), "");
    // A double-byte character whose trail byte is 0x41 ('A') stays whole.
    EXPECT_EQ(Trimmed(" \x81\x41 "), "\x81\x41");
}

TEST(IsSameKey, IgnoresCaseButNotBlanks) {
    EXPECT_TRUE(IsSameKey("PetNo", "PETNO"));
    EXPECT_FALSE(IsSameKey("PetNo ", "PetNo"));
    EXPECT_FALSE(IsSameKey("PetN", "PetNo"));
    // The trail byte of a double-byte character is not a letter to lower.
    EXPECT_FALSE(IsSameKey("\x81\x41", "\x81\x61"));
}

TEST(RemoveAll, RemovesWithoutOverlaps) {
    EXPECT_EQ(RemoveAll("a\tb\t\tc", "\t"), "abc");
    EXPECT_EQ(RemoveAll("aaa", "aa"), "a");
    EXPECT_EQ(RemoveAll("x\r\ny\r\n", "\r\n"), "xy");
}

TEST(RemoveComments, KeepsTextBeforeTheMarkerAndDropsCommentLines) {
    EXPECT_EQ(RemoveComments("abc // note\r\ndef", "//"), "abc \r\ndef");
    EXPECT_EQ(RemoveComments("a\r\n// only\r\nb", "//"), "a\r\nb");
    EXPECT_EQ(RemoveComments("// first\r\nb", "//"), "b");
    EXPECT_EQ(RemoveComments("a\r\nb // last", "//"), "a\r\nb ");
    EXPECT_EQ(RemoveComments("a\r\n// last", "//"), "a\r\n");
    EXPECT_EQ(RemoveComments("url;http://x.org;\r\nz", "//"), "url;http:\r\nz");
    EXPECT_EQ(RemoveComments("no comment", "//"), "no comment");
    EXPECT_EQ(RemoveComments("// a\r\n// b\r\nc // d\r\n//e", "//"), "c \r\n");
    EXPECT_EQ(RemoveComments("a///b\r\n\r\n//\r\n", "//"), "a\r\n\r\n");
}

TEST(TrimToken, StripsLineBreaksAndUncoveredBlanks) {
    EXPECT_EQ(TrimToken("\r\n x\r\n", "\r\n", true), "x");
    EXPECT_EQ(TrimToken("\r\n\r\n x \r\n \r\n", "\r\n", true), "x");
    EXPECT_EQ(TrimToken(" \r\nx", "\r\n", true), " \r\nx");
    EXPECT_EQ(TrimToken("\r\n x", "\r\n", false), " x");
}

TEST(GetCategory, FindsSectionsInAnyCaseAndCollapsesBlankLines) {
    std::string text = "junk\r\n[AniList]\r\n a\r\n\r\nb\r\n\r\n\r\nc \r\n[NEXT]\r\nz";
    EXPECT_EQ(GetCategory(text, "[ANILIST]"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(GetCategory(text, "[next]"), "z");
    EXPECT_EQ(GetCategory(text, "[MISSING]"), "");
    EXPECT_EQ(GetCategory("[RES_TEXT]\r\n1;a[b;\r\n", "[RES_TEXT]"), "1;a");
    EXPECT_EQ(GetCategory("[A]\r\n\r\n\r\n[B]", "[A]"), "");
}

TEST(GetLine, CountsFromOne) {
    EXPECT_EQ(GetLine("a\r\nb", 1), "a");
    EXPECT_EQ(GetLine("a\r\nb", 2), "b");
    EXPECT_EQ(GetLine("a\r\nb", 3), "");
    EXPECT_EQ(GetLine("a\r\nb", 0), "");
    EXPECT_EQ(GetLine("a\r\n\r\nc\r\n", 2), "");
    EXPECT_EQ(GetLine("a\r\n\r\nc\r\n", 3), "c");
    EXPECT_EQ(GetLine("a\r\n\r\nc\r\n", 4), "");
}

TEST(CountOf, CountsOverlappingHits) {
    EXPECT_EQ(CountOf("1,2,3", ","), 2);
    EXPECT_EQ(CountOf("aaa", "aa"), 2);
    EXPECT_EQ(CountOf("", ","), 0);
    EXPECT_EQ(CountOf("a\r\nb\r\n", "\r\n"), 2);
}

TEST(Cleaning, ScriptsDropTabsFirstConfigFilesCommentsFirst) {
    std::string text = "\r\nA;/\t/x\r\nB;1\t;\r\n";
    EXPECT_EQ(CleanScriptText(text), "A;\r\nB;1;");
    EXPECT_EQ(CleanConfigText(text), "A;//x\r\nB;1;");
}

TEST(SafeFormat, FillsOnlyDocumentedConversions) {
    EXPECT_EQ(SafeFormat("%s is %d days", {"Nabi"}, {3}), "Nabi is 3 days");
    EXPECT_EQ(SafeFormat("100%% %x %n %5d", {}, {1}), "100% %x %n %5d");
    EXPECT_EQ(SafeFormat("%s %s %d %d", {"a"}, {7}), "a %s 7 %d");
    EXPECT_EQ(SafeFormat("end %", {}, {}), "end %");
}

}  // namespace
}  // namespace nuv
