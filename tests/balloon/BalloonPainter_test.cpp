#include "balloon/BalloonPainter.h"

#include <gtest/gtest.h>

#include "balloon/BalloonGeometry.h"
#include "sim/SimTextMetrics.h"

namespace nuv {
namespace {

BalloonDrawing Paint(int kind, const std::string& text, ITextMetrics& metrics) {
    CBalloonLayout layout(kind, metrics);
    layout.SetText(text);
    if (kind == kLinkBalloon) layout.LayoutLinks();
    if (kind == kMessageBalloon) layout.LayoutMessage();
    while (kind == kTypingBalloon && !layout.IsComplete())
        layout.TypeStep();
    BalloonDrawing drawing;
    PaintBalloonText(layout, metrics, &drawing);
    return drawing;
}

TEST(BalloonPainter, CentresMessageLinesOnFive) {
    CSimTextMetrics metrics;
    const std::pair<int, int> firstTops[] = {{1, 71}, {2, 57}, {3, 57}, {4, 43},
                                             {5, 43}, {6, 29}, {7, 29}, {8, 15}};
    for (auto [count, top] : firstTops) {
        std::string text = "m";
        for (int i = 1; i < count; ++i)
            text += "<BR>m";
        BalloonDrawing drawing = Paint(kMessageBalloon, text, metrics);
        ASSERT_EQ(drawing.runs.size(), std::size_t(count));
        EXPECT_EQ(drawing.runs[0].at, (Point{17, top})) << count;
        EXPECT_EQ(drawing.runs.back().at, (Point{17, top + 14 * (count - 1)})) << count;
    }
    BalloonDrawing one = Paint(kMessageBalloon, "가 a", metrics);
    ASSERT_EQ(one.runs.size(), 1u);
    EXPECT_EQ(one.runs[0], (BalloonTextRun{"가 a", Point{17, 71}, MakePixel(255, 255, 0),
                                           TextFont{12, true, false}}));
    EXPECT_TRUE(one.linkAreas.empty());
}

TEST(BalloonPainter, DrawsShadowedTextAndLinkAreas) {
    CSimTextMetrics metrics;  // kind 0: 8 px a letter, lines 18 px apart
    BalloonDrawing drawing =
        Paint(kLinkBalloon, "<LINK=a.org>ab</LINK>c<BR>d<BR>x<LINK=b.org>e</LINK>", metrics);
    TextFont normal{16, false, false};
    TextFont link{16, false, true};
    std::vector<BalloonTextRun> expected = {
        {"ab", Point{45, 38}, MakePixel(204, 204, 204), link},
        {"ab", Point{44, 37}, MakePixel(0, 0, 255), link},
        {"c", Point{61, 38}, MakePixel(221, 221, 221), normal},
        {"c", Point{60, 37}, MakePixel(0, 0, 0), normal},
        {"d", Point{45, 56}, MakePixel(221, 221, 221), normal},
        {"d", Point{44, 55}, MakePixel(0, 0, 0), normal},
        {"x", Point{45, 74}, MakePixel(221, 221, 221), normal},
        {"x", Point{44, 73}, MakePixel(0, 0, 0), normal},
        {"e", Point{53, 74}, MakePixel(204, 204, 204), link},
        {"e", Point{52, 73}, MakePixel(0, 0, 255), link},
    };
    EXPECT_EQ(drawing.runs, expected);
    std::vector<BalloonLinkArea> areas = {{0, Rect{44, 37, 60, 53}}, {1, Rect{52, 73, 60, 89}}};
    EXPECT_EQ(drawing.linkAreas, areas);
}

TEST(BalloonPainter, LinksCarryOverLinesAndScrolledLines) {
    CSimTextMetrics metrics;  // kind 1: 6 px a letter, lines 14 px apart
    // A link running over a line break continues at the start of the next line.
    BalloonDrawing spread = Paint(kTypingBalloon, "a<LINK=a.org>b<BR>c</LINK>d", metrics);
    std::vector<BalloonLinkArea> spreadAreas = {{0, Rect{50, 37, 56, 49}},
                                                {0, Rect{44, 51, 50, 63}}};
    EXPECT_EQ(spread.linkAreas, spreadAreas);

    // The first link scrolls away; the one on the last line is still number 1.
    BalloonDrawing scrolled =
        Paint(kTypingBalloon, "<LINK=a.org>1</LINK><BR>2<BR>3<BR>4<BR>5<BR>6<BR>7<BR><LINK=b.org>8",
              metrics);
    ASSERT_FALSE(scrolled.linkAreas.empty());
    EXPECT_EQ(scrolled.linkAreas.back(), (BalloonLinkArea{1, Rect{44, 37 + 6 * 14, 50, 121 + 12}}));
    EXPECT_EQ(scrolled.runs.front().text, "2");
}

}  // namespace
}  // namespace nuv
