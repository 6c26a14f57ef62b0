#include "balloon/BalloonLayout.h"

#include <gtest/gtest.h>

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonMarkup.h"
#include "sim/SimTextMetrics.h"

namespace nuv {
namespace {

using Lines = std::vector<std::string>;

// Typing steps until the text is complete (at most `limit`).
int TypeAll(CBalloonLayout* layout, int limit = 10000) {
    int steps = 0;
    while (!layout->IsComplete() && steps < limit) {
        layout->TypeStep();
        ++steps;
    }
    return steps;
}

Lines WithoutMarkers(const Lines& lines) {
    Lines out;
    for (const auto& line : lines)
        out.push_back(RemoveLinkMarkers(line));
    return out;
}

class BalloonLayoutTest : public ::testing::Test {
  protected:
    CSimTextMetrics metrics;
};

TEST_F(BalloonLayoutTest, FixedMetricMeasuresHalfAndFullHeight) {
    EXPECT_EQ(metrics.TextWidth("ab가", BalloonFont(kLinkBalloon, false)), 8 + 8 + 16);
    EXPECT_EQ(metrics.TextWidth("ab가", BalloonFont(kTypingBalloon, true)), 6 + 6 + 12);
    EXPECT_EQ(metrics.TextWidth("a", TextFont{13, false, false}), 6);
    EXPECT_EQ(metrics.TextWidth("\xB0", TextFont{12, false, false}), 6);  // lone lead byte
}

TEST_F(BalloonLayoutTest, TypingBuildsHangulJamoByJamo) {
    CBalloonLayout layout(kTypingBalloon, metrics);
    layout.SetText("가각a");
    Lines seen;
    while (!layout.IsComplete()) {
        layout.TypeStep();
        seen.push_back(layout.lines().back());
    }
    EXPECT_EQ(seen, (Lines{"ㄱ", "가", "가ㄱ", "가가", "가각", "가각a"}));
}

TEST_F(BalloonLayoutTest, ALineMayReachExactly150Pixels) {
    // 10 px a byte, "i" 1 px
    metrics.byteWidth = 10;
    metrics.widths['i'] = 1;
    for (int kind : {kLinkBalloon, kTypingBalloon, kMessageBalloon}) {
        CBalloonLayout fits(kind, metrics);
        fits.SetText(std::string(15, 'w') + "w");
        CBalloonLayout wraps(kind, metrics);
        wraps.SetText("i" + std::string(15, 'w'));
        for (CBalloonLayout* layout : {&fits, &wraps}) {
            if (kind == kLinkBalloon) layout->LayoutLinks();
            if (kind == kTypingBalloon) TypeAll(layout);
            if (kind == kMessageBalloon) layout->LayoutMessage();
        }
        EXPECT_EQ(fits.lines(), (Lines{std::string(15, 'w'), "w"})) << kind;
        EXPECT_EQ(wraps.lines(), (Lines{"i" + std::string(14, 'w'), "w"})) << kind;
    }
}

TEST_F(BalloonLayoutTest, AGrownSyllableThatNoLongerFitsLeavesNoJamoBehind) {
    metrics.doubleWidth = 10;
    metrics.widths['x'] = 140;
    CBalloonLayout layout(kTypingBalloon, metrics);
    layout.SetText("x각");
    layout.TypeStep();  // x
    layout.TypeStep();  // ㄱ fits at 150
    EXPECT_EQ(layout.lines(), (Lines{"xㄱ"}));
    metrics.doubleWidth = 11;  // the grown syllable is wider
    TypeAll(&layout);
    EXPECT_EQ(layout.lines(), (Lines{"x", "각"}));
}

TEST_F(BalloonLayoutTest, TagsWorkInAnyLetterCase) {
    CBalloonLayout links(kLinkBalloon, metrics);
    links.SetText("a<br>b<Tab>c<link href=www.a.org>d</Link>e");
    links.LayoutLinks();
    EXPECT_EQ(links.lines(), (Lines{"a", "b    c<;LNK>d<LNK;>e"}));
    EXPECT_EQ(links.addresses(), (Lines{"www.a.org"}));

    CBalloonLayout typing(kTypingBalloon, metrics);
    typing.SetText("a<bR>b<tAB>c<LiNk=www.a.org>d</lInK>e");
    TypeAll(&typing);
    EXPECT_EQ(typing.lines(), (Lines{"a", "b    c<;LNK>d<LNK;>e"}));
    EXPECT_EQ(typing.addresses(), (Lines{"www.a.org"}));
    EXPECT_EQ(typing.text(), "a<bR>b<tAB>c<;LNK>d<LNK;>e");

    CBalloonLayout message(kMessageBalloon, metrics);
    message.SetText("a<Br><BR>b<tab>c<LINK=x>d");
    message.LayoutMessage();
    EXPECT_EQ(message.lines(), (Lines{"a", "", "b    c<LINK=x>d"}));
    EXPECT_TRUE(message.addresses().empty());
}

TEST_F(BalloonLayoutTest, LinkAddressesFollowTheirMarkers) {
    // A link without text gets no marker and so no address; the next link keeps its own.
    CBalloonLayout links(kLinkBalloon, metrics);
    links.SetText("<LINK=a.org></LINK>x<LINK=b.org>y</LINK>");
    links.LayoutLinks();
    EXPECT_EQ(links.addresses(), (Lines{"b.org"}));
    EXPECT_EQ(links.lines(), (Lines{"<LNK;>x<;LNK>y"}));

    CBalloonLayout typing(kTypingBalloon, metrics);
    typing.SetText("<LINK>가</LINK>b<LINK=c.org><BR></LINK>d");
    TypeAll(&typing);
    EXPECT_EQ(typing.addresses(), (Lines{""}));
    EXPECT_EQ(typing.lines(), (Lines{"<;LNK>가<LNK;>b", "d"}));
}

TEST_F(BalloonLayoutTest, TypingKeepsTheLastSevenLines) {
    CBalloonLayout layout(kTypingBalloon, metrics);
    layout.SetText("<LINK=www.a.org>1</LINK><BR>2<BR>3<BR>4<BR>5<BR>6<BR>7<BR>8 and more");
    TypeAll(&layout);
    // The link closes with the first character after it, on line 2.
    EXPECT_EQ(layout.lines(), (Lines{"<LNK;>2", "3", "4", "5", "6", "7", "8 and more"}));
    EXPECT_EQ(layout.addresses(), (Lines{"www.a.org"}));
    EXPECT_EQ(layout.scrolledLinks(), 1);
    EXPECT_TRUE(layout.scrolledLinkOpen());
}

TEST_F(BalloonLayoutTest, WrappedTypingScrollsLikeBrokenLines) {
    // 25 letters to a line in a typing balloon
    std::string text;
    Lines expected;
    for (char c = 'a'; c < 'a' + 8; ++c) {
        text += std::string(25, c);
        if (c > 'a') expected.push_back(std::string(25, c));
    }
    CBalloonLayout layout(kTypingBalloon, metrics);
    layout.SetText(text);
    EXPECT_EQ(TypeAll(&layout), 200);
    EXPECT_EQ(layout.lines(), expected);
}

TEST_F(BalloonLayoutTest, MalformedMarkupNeverReadsPastTheText) {
    const char* texts[] = {"",
                           "<",
                           "<LINK",
                           "<LINK=a",
                           "a<LINK=b>",
                           "</LINK>",
                           "a</LINK>x",
                           "<BR",
                           "<TAB",
                           "x<BR>",
                           "\xB0",
                           "a\xB0",
                           "가\xB0",
                           "<LINK=\xB0>\xB0",
                           "<LINK=a><LINK=b>c</LINK></LINK>",
                           "<;LNK><LNK;>",
                           "\xB0<BR>"};
    for (const char* text : texts) {
        for (int kind : {kLinkBalloon, kTypingBalloon, kMessageBalloon}) {
            CBalloonLayout layout(kind, metrics);
            layout.SetText(text);
            if (kind == kLinkBalloon) layout.LayoutLinks();
            if (kind == kTypingBalloon) {
                EXPECT_LT(TypeAll(&layout), 100) << text;
            }
            if (kind == kMessageBalloon) layout.LayoutMessage();
            EXPECT_TRUE(layout.IsComplete()) << text;
            for (const auto& line : WithoutMarkers(layout.lines())) {
                EXPECT_LE(line.size(), std::string(text).size()) << text;
            }
        }
    }
    CBalloonLayout lone(kTypingBalloon, metrics);
    lone.SetText("a\xB0");
    TypeAll(&lone);
    EXPECT_EQ(lone.lines(), (Lines{"a\xB0"}));
}

}  // namespace
}  // namespace nuv
