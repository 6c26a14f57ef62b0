// The pictures besides the frames: where the program cuts them and what must stay plain.

#include <gtest/gtest.h>

#include <set>

#include "petart/FrameCheck.h"
#include "petart/Pictures.h"

namespace nuv::art {
namespace {

Image Cut(const Image& image, const ObjectPlace& p) {
    Image out(p.width, p.height);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x)
            out.Set(x, y, image.At(p.left + x, p.top + y));
    }
    return out;
}

// The colours inside a rectangle (left, top, right and bottom included).
std::set<Pixel> ColoursIn(const Image& image, int x0, int y0, int x1, int y1) {
    std::set<Pixel> colours;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            colours.insert(image.At(x, y));
    }
    return colours;
}

bool PaintedNearTheBorder(const Image& piece, int margin) {
    for (int y = 0; y < piece.height(); ++y) {
        for (int x = 0; x < piece.width(); ++x) {
            bool near = x < margin || y < margin || x >= piece.width() - margin ||
                        y >= piece.height() - margin;
            if (near && piece.At(x, y) != kPureGreen) return true;
        }
    }
    return false;
}

TEST(MenuIcons, TwentyIconsStackedAndEachDrawn) {
    Image icons = DrawIcons();
    ASSERT_EQ((Size{icons.width(), icons.height()}), (Size{13, 13 * 20}));
    ASSERT_EQ(IconNames().size(), 20u);
    for (int n = 0; n < 20; ++n) {
        std::set<Pixel> colours = ColoursIn(icons, 0, n * 13, 12, n * 13 + 12);
        EXPECT_GE(colours.size(), 3u) << IconNames()[size_t(n)];  // green, ink and a colour
        EXPECT_TRUE(colours.count(kPureGreen)) << IconNames()[size_t(n)];
    }
}

TEST(ObjectImage, BalloonsLeaveTheirTextAreasPlain) {
    Image objects = DrawObjects();
    ASSERT_GE(objects.width(), kBalloonPlace.left + kBalloonPlace.width);
    ASSERT_GE(objects.height(), kMessageBalloonPlace.top + kMessageBalloonPlace.height);
    Image talk = Cut(objects, kBalloonPlace);
    // Kinds 0 and 1 write from (44, 37), 150 pixels wide, seven lines of 14 or six of 18.
    EXPECT_EQ(ColoursIn(talk, 43, 35, 197, 144).size(), 1u);
    Image message = Cut(objects, kMessageBalloonPlace);
    // Kind 2 writes yellow from x 17, up to seven lines from y 29.
    std::set<Pixel> fill = ColoursIn(message, 16, 28, 168, 130);
    ASSERT_EQ(fill.size(), 1u);
    Pixel dark = *fill.begin();
    EXPECT_LT(RedOf(dark) + GreenOf(dark) + BlueOf(dark), 255);
}

TEST(ObjectImage, BalloonShapesStayInsideTheirPieces) {
    Image objects = DrawObjects();
    for (const ObjectPlace& place : {kBalloonPlace, kMessageBalloonPlace}) {
        Image piece = Cut(objects, place);
        EXPECT_FALSE(PaintedNearTheBorder(piece, 2)) << place.name;
        FrameReport r = CheckFrame(piece, 0);
        EXPECT_EQ(r.components, 1) << place.name;
        EXPECT_EQ(r.holes, 0) << place.name;
    }
    // The tail of the light balloon points down towards the pet below the piece.
    Image talk = Cut(objects, kBalloonPlace);
    EXPECT_GT(CheckFrame(talk, 0).lowestRow, 160);
}

TEST(ObjectImage, OutingPicturesShareTheirSizeAndStandOnTheGround) {
    EXPECT_EQ(kStumpBeforePlace.width, kStumpAfterPlace.width);
    EXPECT_EQ(kStumpBeforePlace.height, kStumpAfterPlace.height);
    Image objects = DrawObjects();
    for (const ObjectPlace& place : {kStumpBeforePlace, kStumpAfterPlace}) {
        Image piece = Cut(objects, place);
        FrameReport r = CheckFrame(piece, 0);
        EXPECT_EQ(r.lowestRow, place.height - 1) << place.name;
        EXPECT_EQ(r.components, 1) << place.name;
    }
    EXPECT_FALSE(Cut(objects, kStumpBeforePlace) == Cut(objects, kStumpAfterPlace));
}

TEST(ObjectImage, SmallPicturesAreInTheImageAndInTheirOwnFiles) {
    std::vector<ObjectPlace> places;
    std::vector<NamedPicture> pictures = DrawBalloonPictures(&places);
    ASSERT_EQ(pictures.size(), places.size());
    ASSERT_GE(pictures.size(), 4u);
    Image objects = DrawObjects();
    for (size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(Cut(objects, places[i]), pictures[i].image) << places[i].name;
        EXPECT_EQ(CheckFrame(pictures[i].image, 0).components, 1) << places[i].name;
    }
}

TEST(ScenePictures, GaugeCellsSitWhereTheMenuTakesThem) {
    Image bar = DrawGaugeCells();
    ASSERT_EQ((Size{bar.width(), bar.height()}), (Size{80, 16}));
    // Middle yellow, empty, high green, low red: the fill colours differ and none is green.
    Pixel middle = bar.At(8, 8), empty = bar.At(24, 8), high = bar.At(40, 8), low = bar.At(72, 8);
    EXPECT_GT(RedOf(middle), 200);
    EXPECT_GT(GreenOf(middle), 150);
    EXPECT_GT(GreenOf(high), RedOf(high));
    EXPECT_GT(RedOf(low), GreenOf(low) + 100);
    EXPECT_EQ(std::set<Pixel>({middle, empty, high, low}).size(), 4u);
    EXPECT_FALSE(ColoursIn(bar, 0, 0, 79, 15).count(kPureGreen));
}

TEST(ScenePictures, LoadingPictureKeepsItsNumbersReadable) {
    Image load = DrawLoadPicture(FirstPalette());
    ASSERT_EQ((Size{load.width(), load.height()}), (Size{363, 192}));
    // The seconds at (80, 133) and the percentage at (360, 133) go on one light colour.
    std::set<Pixel> left = ColoursIn(load, 76, 130, 140, 149);
    std::set<Pixel> right = ColoursIn(load, 330, 130, 362, 149);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left, right);
    EXPECT_GT(GreenOf(*left.begin()), 200);
    EXPECT_FALSE(DrawLoadPicture(FirstPalette()) == DrawLoadPicture(SecondPalette()));
}

TEST(ScenePictures, EveryPictureIsNamedAndTheEndPictureHasItsSize) {
    std::vector<NamedPicture> all = DrawPictures(FirstPalette());
    std::set<std::string> names;
    for (const NamedPicture& p : all)
        names.insert(p.name);
    for (const char* name :
         {"icons.png", "objects.png", "petload.png", "petbar00.png", "petend.png"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    Image end = DrawEndPicture(FirstPalette());
    EXPECT_EQ((Size{end.width(), end.height()}), (Size{240, 160}));
    EXPECT_FALSE(PictureGuide().empty());
}

}  // namespace
}  // namespace nuv::art
