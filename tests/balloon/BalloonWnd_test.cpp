#include "balloon/BalloonWnd.h"

#include <gtest/gtest.h>

#include <new>
#include <random>

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonOwner.h"
#include "balloon/BalloonPictures.h"
#include "base/TextFunctions.h"
#include "shape/ColorKey.h"
#include "sim/SimBalloonWindows.h"
#include "sim/SimTextMetrics.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

// Counts what the balloon tells its owner.
class FakeBalloonOwner : public IBalloonOwner {
  public:
    void OnTextShown(CBalloonWnd&) override { ++textShown; }
    void OnBalloonClosed(CBalloonWnd&) override { ++closed; }
    void OpenLink(const std::string& url) override { opened.push_back(url); }

    int textShown = 0;
    int closed = 0;
    std::vector<std::string> opened;
};

// Pictures by path, with the requests for them; shapes as the pet makes them.
class FakeBalloonPictures : public IBalloonPictures {
  public:
    std::shared_ptr<const Image> LoadObjectPicture(const std::string& path) override {
        Image picture = Find(path);
        return picture.empty() ? nullptr : std::make_shared<const Image>(std::move(picture));
    }
    Image LoadBitmapFile(const std::string& path) override {
        bitmapRequests.push_back(path);
        return Find(path);
    }
    Image Find(const std::string& path) const {
        auto it = files.find(path);
        return it == files.end() ? Image() : it->second;
    }
    std::vector<Rect> MakeShape(const Image& picture, Pixel transparent) override {
        return MakeColorKeyRegion(picture, transparent).Rects();
    }

    std::map<std::string, Image> files;
    std::vector<std::string> bitmapRequests;
};

using Lines = std::vector<std::string>;

constexpr Pixel kPaper = MakePixel(250, 250, 240);

// An object picture whose balloon pieces are paper with a green top-left pixel.
Image ObjectPicture() {
    Image picture(300, 520, MakePixel(1, 2, 3));
    for (int kind : {kLinkBalloon, kMessageBalloon}) {
        Rect piece = BalloonPiece(kind);
        for (int y = piece.top; y < piece.bottom; ++y) {
            for (int x = piece.left; x < piece.right; ++x)
                picture.Set(x, y, kPaper);
        }
        picture.Set(piece.left, piece.top, kPureGreen);
    }
    return picture;
}

class BalloonWndTest : public ::testing::Test {
  protected:
    BalloonWndTest() { pictures.files[".\\PETS\\OBJ.BCF"] = ObjectPicture(); }

    // A balloon in a new simulated window, not created yet.
    void Make(IBalloonOwner& by, int kind, ITextMetrics& measure) {
        auto window = std::make_unique<CSimBalloonWindow>(sim);
        fake = window.get();
        balloon = std::make_unique<CBalloonWnd>(by, kind, "OBJ.BCF", std::move(window), measure,
                                                pictures);
    }
    CBalloonWnd& Open(int kind, const std::string& text) {
        Make(owner, kind, metrics);
        balloon->SetText(text);
        EXPECT_TRUE(balloon->Create());
        return *balloon;
    }

    // Fires timer `id` if it is running, as the system would.
    bool Fire(int id) {
        if (!fake->HasTimer(id)) return false;
        balloon->OnTimer(id);
        return true;
    }

    // Typing ticks until the text is complete.
    int TicksToComplete() {
        int ticks = 0;
        while (owner.textShown == 0 && Fire(CBalloonWnd::kTypingTimer))
            ++ticks;
        return ticks;
    }

    test::MemoryEnv env;
    CSimContext sim;
    CSimTextMetrics metrics;
    FakeBalloonOwner owner;
    FakeBalloonPictures pictures;
    CSimBalloonWindow* fake = nullptr;
    std::unique_ptr<CBalloonWnd> balloon;
};

TEST_F(BalloonWndTest, CutsItsPictureAndShapeOutOfTheObjectPicture) {
    CBalloonWnd& link = Open(kLinkBalloon, "hi");
    EXPECT_EQ(fake->size, (Size{233, 203}));
    const BalloonBackground& background = fake->drawing.background;
    ASSERT_TRUE(background.image);
    EXPECT_EQ(background.path, ".\\PETS\\OBJ.BCF");
    EXPECT_EQ(background.piece, (Rect{24, 43, 257, 246}));
    EXPECT_EQ(background.source, (Point{1, 1}));
    EXPECT_EQ(background.image->width(), 233);
    EXPECT_EQ(background.image->At(1, 0), kPaper);
    ASSERT_FALSE(fake->shape.empty());
    EXPECT_EQ(fake->shape[0], (Rect{1, 0, 233, 1}));  // the green pixel is cut away
    EXPECT_FALSE(fake->shown);

    link.ShowBeside(Rect{500, 400, 600, 500});
    EXPECT_EQ(fake->position, (Point{420, 240}));
    EXPECT_TRUE(fake->shown);

    CBalloonWnd& message = Open(kMessageBalloon, "hi");
    EXPECT_EQ(fake->size, (Size{182, 183}));
    EXPECT_EQ(fake->drawing.background.piece, (Rect{49, 329, 231, 512}));
    message.ShowBeside(Rect{500, 400, 600, 500});
    EXPECT_EQ(fake->position, (Point{459, 230}));
}

TEST_F(BalloonWndTest, WithoutItsPictureTheBalloonIsAPlainRectangle) {
    pictures.files.clear();
    Open(kTypingBalloon, "hi");
    EXPECT_FALSE(fake->drawing.background.image);
    EXPECT_EQ(fake->shape, (std::vector<Rect>{Rect{0, 0, 233, 203}}));
    EXPECT_EQ(TicksToComplete(), 2);

    pictures.files[".\\PETS\\OBJ.BCF"] = Image(100, 100, kPaper);  // too small for the piece
    Open(kMessageBalloon, "hi");
    EXPECT_FALSE(fake->drawing.background.image);
    EXPECT_EQ(fake->shape, (std::vector<Rect>{Rect{0, 0, 182, 183}}));
    EXPECT_TRUE(
        env.log.Contains("CBalloonWnd::Create() - .\\PETS\\OBJ.BCF 그림이 100x100 크기라 말풍선 "
                         "그림을 자를 수 없습니다."));
}

TEST_F(BalloonWndTest, RefusesUnknownKindsAndRefusedWindows) {
    auto window = std::make_unique<CSimBalloonWindow>(sim);
    CBalloonWnd unknown(owner, 3, "OBJ.BCF", std::move(window), metrics, pictures);
    EXPECT_FALSE(unknown.Create());
    auto refusing = std::make_unique<CSimBalloonWindow>(sim);
    refusing->refuseCreate = true;
    CSimBalloonWindow* refusedWindow = refusing.get();
    CBalloonWnd refused(owner, kLinkBalloon, "OBJ.BCF", std::move(refusing), metrics, pictures);
    EXPECT_FALSE(refused.Create());
    refused.ShowBeside(Rect{100, 100, 200, 200});
    EXPECT_FALSE(refusedWindow->shown);
    refused.Close();
    EXPECT_EQ(owner.closed, 0);
    EXPECT_TRUE(env.log.Contains("CBalloonWnd::Create() - 알 수 없는 말풍선 종류입니다. (3)"));
}

TEST_F(BalloonWndTest, LinkBalloonShowsItsWholeTextOnTheFirstTick) {
    CBalloonWnd& balloon = Open(kLinkBalloon, "one<BR>two");
    EXPECT_FALSE(balloon.IsTextComplete());
    EXPECT_TRUE(fake->HasTimer(CBalloonWnd::kTypingTimer, 200));
    EXPECT_TRUE(fake->drawing.runs.empty());
    ASSERT_TRUE(Fire(CBalloonWnd::kTypingTimer));
    EXPECT_EQ(balloon.GetShownLines(), (Lines{"one", "two"}));
    EXPECT_TRUE(balloon.IsTextComplete());
    EXPECT_EQ(owner.textShown, 1);
    EXPECT_FALSE(fake->HasTimer(CBalloonWnd::kTypingTimer));
    EXPECT_TRUE(fake->HasTimer(CBalloonWnd::kCloseTimer, 5000));
    EXPECT_EQ(owner.closed, 0);
    ASSERT_TRUE(Fire(CBalloonWnd::kCloseTimer));
    EXPECT_EQ(owner.closed, 1);
    EXPECT_EQ(fake->destroyCount, 1);
    EXPECT_EQ(owner.textShown, 1);
}

TEST_F(BalloonWndTest, TypingBalloonTakesOneTickPerJamo) {
    const std::pair<const char*, int> cases[] = {
        {"a", 1}, {"가", 2}, {"각", 3}, {"a가각", 6}, {"<TAB>", 1}, {"a<BR>b", 3}, {"", 1}};
    for (auto [text, ticks] : cases) {
        owner = FakeBalloonOwner();
        Open(kTypingBalloon, text);
        EXPECT_EQ(TicksToComplete(), ticks) << text;
        EXPECT_EQ(owner.textShown, 1) << text;
        EXPECT_TRUE(fake->HasTimer(CBalloonWnd::kCloseTimer, 5000)) << text;
        EXPECT_FALSE(fake->HasTimer(CBalloonWnd::kTypingTimer)) << text;
    }
}

TEST_F(BalloonWndTest, TypingBalloonOfEightLinesEndsShowingLinesTwoToEight) {
    std::string text = "<LINK=www.one.org>1</LINK>";
    for (int i = 2; i <= 8; ++i)
        text += "<BR>" + std::to_string(i) + " line";
    CBalloonWnd& balloon = Open(kTypingBalloon, text);
    TicksToComplete();
    Lines expected = {"2 line", "3 line", "4 line", "5 line", "6 line", "7 line", "8 line"};
    EXPECT_EQ(balloon.GetShownLines(), expected);
    EXPECT_EQ(balloon.GetAddresses(), (Lines{"www.one.org"}));
    ASSERT_EQ(fake->drawing.runs.size(), 14u);  // shadow and text of each line
    EXPECT_EQ(fake->drawing.runs[1].text, "2 line");
    EXPECT_EQ(fake->drawing.runs[13].at, (Point{44, 37 + 14 * 6}));
    // Repainting changes nothing.
    EXPECT_EQ(balloon.BuildDrawing().runs, fake->drawing.runs);
}

TEST_F(BalloonWndTest, MessageBalloonClosesFiveSecondsAfterCreation) {
    CBalloonWnd& balloon = Open(kMessageBalloon, "Level up!<BR><LINK=x>");
    EXPECT_EQ(balloon.GetShownLines(), (Lines{"Level up!", "<LINK=x>"}));
    EXPECT_TRUE(balloon.GetAddresses().empty());
    EXPECT_EQ(fake->drawing.runs.size(), 2u);
    EXPECT_FALSE(fake->HasTimer(CBalloonWnd::kTypingTimer));
    EXPECT_TRUE(fake->HasTimer(CBalloonWnd::kCloseTimer, 5000));
    balloon.OnTimer(CBalloonWnd::kTypingTimer);  // a late tick of no running timer
    EXPECT_EQ(owner.closed, 0);
    ASSERT_TRUE(Fire(CBalloonWnd::kCloseTimer));
    EXPECT_EQ(owner.closed, 1);
    EXPECT_EQ(owner.textShown, 0);
}

TEST_F(BalloonWndTest, EscapeAndEnterCloseAndReportOnce) {
    for (BalloonKey key : {BalloonKey::kEscape, BalloonKey::kEnter}) {
        owner = FakeBalloonOwner();
        CBalloonWnd& balloon = Open(kTypingBalloon, "abc");
        Fire(CBalloonWnd::kTypingTimer);
        balloon.OnKey(key);
        EXPECT_EQ(owner.closed, 1);
        EXPECT_EQ(fake->destroyCount, 1);
        // Late events and a second close do nothing.
        balloon.OnTimer(CBalloonWnd::kTypingTimer);
        balloon.OnKey(key);
        balloon.Close();
        balloon.OnDestroyed();
        EXPECT_EQ(owner.closed, 1);
        EXPECT_EQ(fake->destroyCount, 1);
        EXPECT_EQ(owner.textShown, 0);
    }
}

TEST_F(BalloonWndTest, TheOwnerMayDeleteTheBalloonWhenItCloses) {
    struct DeletingOwner : FakeBalloonOwner {
        std::unique_ptr<CBalloonWnd>* held = nullptr;
        void OnBalloonClosed(CBalloonWnd& b) override {
            FakeBalloonOwner::OnBalloonClosed(b);
            held->reset();
        }
    } deleting;
    deleting.held = &balloon;
    Make(deleting, kMessageBalloon, metrics);
    ASSERT_TRUE(balloon->Create());
    balloon->OnTimer(CBalloonWnd::kCloseTimer);
    EXPECT_EQ(deleting.closed, 1);
    EXPECT_EQ(balloon, nullptr);
}

TEST_F(BalloonWndTest, DeletingAnOpenBalloonDestroysItsWindowSilently) {
    Open(kLinkBalloon, "x");
    balloon.reset();
    EXPECT_EQ(owner.closed, 0);
}

TEST_F(BalloonWndTest, LinksOpenTheirOwnWebAddresses) {
    // Kind 0: 8 px a letter, lines at 37, 55, 73.
    CBalloonWnd& balloon = Open(kLinkBalloon,
                                "<LINK=http://one.org/>first</LINK><BR>plain<BR>"
                                "x <link href=www.three.org>third</link>");
    Fire(CBalloonWnd::kTypingTimer);
    EXPECT_EQ(balloon.GetAddresses(), (Lines{"http://one.org/", "www.three.org"}));

    EXPECT_FALSE(balloon.OnLButtonDown(50, 40));  // no hover yet
    balloon.OnMouseMove(50, 40);
    EXPECT_TRUE(balloon.IsHoveringLink());
    EXPECT_TRUE(balloon.OnSetCursor());
    EXPECT_EQ(fake->linkCursorCount, 1);
    EXPECT_TRUE(balloon.OnLButtonDown(50, 40));

    balloon.OnMouseMove(44 + 16 + 2, 75);  // "third" starts after "x "
    EXPECT_TRUE(balloon.OnLButtonDown(44 + 16 + 2, 75));

    balloon.OnMouseMove(50, 58);  // the plain line
    EXPECT_FALSE(balloon.IsHoveringLink());
    EXPECT_FALSE(balloon.OnSetCursor());
    EXPECT_FALSE(balloon.OnLButtonDown(50, 58));

    EXPECT_EQ(owner.opened, (Lines{"http://one.org/", "http://www.three.org"}));
    EXPECT_EQ(owner.closed, 0);  // a click never closes the balloon
}

TEST_F(BalloonWndTest, LinksThatAreNoWebAddressesAreNotOpened) {
    CBalloonWnd& balloon =
        Open(kTypingBalloon, "<LINK=C:\\WINDOWS\\CALC.EXE>run</LINK> <;LNK>fake");
    TicksToComplete();
    balloon.OnMouseMove(46, 40);
    EXPECT_TRUE(balloon.OnLButtonDown(46, 40));
    int fakeLink = 44 + 6 * 4 + 2;  // a typed marker has no address
    balloon.OnMouseMove(fakeLink, 40);
    balloon.OnLButtonDown(fakeLink, 40);
    EXPECT_TRUE(owner.opened.empty());
    EXPECT_TRUE(
        env.log.Contains("CBalloonWnd::OpenLink() - 'C:\\WINDOWS\\CALC.EXE' 주소는 웹 주소가 "
                         "아니라서 열지 않습니다."));
    EXPECT_TRUE(env.log.Contains("CBalloonWnd::OpenLink() - 1번 링크의 주소가 없습니다."));
}

TEST_F(BalloonWndTest, DrawsPictureTagsThatLoad) {
    Image smile(2, 2, MakePixel(9, 9, 9));
    pictures.files["PETS\\A.BMP"] = smile;
    pictures.files["PETS\\B.BMP"] = smile;
    CBalloonWnd& balloon = Open(kMessageBalloon,
                                "<IMG=PETS\\A.BMP;10,20><img=PETS\\B.BMP,30,40>hi"
                                "<IMG=PETS\\BROKEN.BMP;1,1><IMG=..\\X.BMP;1,1>");
    EXPECT_EQ(balloon.GetShownLines(), (Lines{"hi"}));
    ASSERT_EQ(fake->drawing.pictures.size(), 2u);
    EXPECT_EQ(fake->drawing.pictures[0].path, "PETS\\A.BMP");
    EXPECT_EQ(fake->drawing.pictures[0].at, (Point{10, 20}));
    EXPECT_EQ(fake->drawing.pictures[1].at, (Point{30, 40}));
    EXPECT_EQ(*fake->drawing.pictures[1].image, smile);
    EXPECT_EQ(pictures.bitmapRequests, (Lines{"PETS\\A.BMP", "PETS\\B.BMP", "PETS\\BROKEN.BMP"}));
}

TEST_F(BalloonWndTest, DecodesEachPictureOnceAndWithinALimit) {
    pictures.files["PETS\\A.BMP"] = Image(2, 2, MakePixel(9, 9, 9));
    Open(kTypingBalloon, "<IMG=PETS\\A.BMP;1,1><IMG=PETS\\A.BMP;5,5><IMG=PETS\\NO.BMP;1,1>typing");
    TicksToComplete();
    EXPECT_GT(fake->drawCount, 5);
    EXPECT_EQ(pictures.bitmapRequests, (Lines{"PETS\\A.BMP", "PETS\\NO.BMP"}));
    ASSERT_EQ(fake->drawing.pictures.size(), 2u);
    EXPECT_EQ(fake->drawing.pictures[0].image, fake->drawing.pictures[1].image);

    // Pictures past the balloon's limit are left out, and so are those after them.
    pictures.bitmapRequests.clear();
    pictures.files["PETS\\BIG.BMP"] = Image(4096, 4095);
    pictures.files["PETS\\BIG2.BMP"] = Image(1, 4097);
    Open(kMessageBalloon, "<IMG=PETS\\BIG.BMP;0,0><IMG=PETS\\BIG2.BMP;0,0><IMG=PETS\\A.BMP;0,0>");
    EXPECT_EQ(pictures.bitmapRequests, (Lines{"PETS\\BIG.BMP", "PETS\\BIG2.BMP"}));
    ASSERT_EQ(fake->drawing.pictures.size(), 1u);
    EXPECT_EQ(fake->drawing.pictures[0].path, "PETS\\BIG.BMP");
}

// Text metrics that fail by throwing, as an allocation may.
class ThrowingMetrics : public ITextMetrics {
  public:
    int TextWidth(std::string_view, const TextFont&) override { throw std::bad_alloc(); }
};

TEST_F(BalloonWndTest, AnExceptionInsideAnEventClosesTheBalloon) {
    ThrowingMetrics throwing;
    Make(owner, kTypingBalloon, throwing);
    balloon->SetText("typing");
    ASSERT_TRUE(balloon->Create());
    balloon->OnTimer(CBalloonWnd::kTypingTimer);
    EXPECT_EQ(owner.closed, 1);
    EXPECT_EQ(fake->destroyCount, 1);
    EXPECT_TRUE(env.log.Contains(
        "CBalloonWnd::OnTimer() - 처리하지 못한 오류로 말풍선을 닫습니다. (std::bad_alloc)"));
}

TEST_F(BalloonWndTest, SurvivesMalformedMarkupOfEveryKind) {
    const std::vector<std::string_view> tokens = SplitFields(
        "<|>|=|;|,|<LINK|<link=www.a.org>|</LINK>|<BR>|<TAB>|<IMG|"
        "<IMG=PETS\\A.BMP;1,2>|<;LNK>|<LNK;>|\xB0|\xA1|가|각|a| ",
        '|');
    std::mt19937 random(949);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        int count = int(random() % 12);
        for (int i = 0; i < count; ++i)
            text += tokens[random() % tokens.size()];
        int kind = round % 3;
        CBalloonWnd& balloon = Open(kind, text);
        for (int tick = 0; tick < 200 && Fire(CBalloonWnd::kTypingTimer); ++tick) {
        }
        for (const BalloonLinkArea& area : fake->drawing.linkAreas) {
            balloon.OnMouseMove(area.area.left, area.area.top);
            balloon.OnLButtonDown(area.area.left, area.area.top);
        }
        EXPECT_TRUE(balloon.IsTextComplete()) << text;
        Fire(CBalloonWnd::kCloseTimer);
        EXPECT_EQ(fake->destroyCount, 1) << text;
    }
    for (const std::string& url : owner.opened)
        EXPECT_EQ(url, "http://www.a.org");
}

}  // namespace
}  // namespace nuv
