// The balloon, object and loading windows: creation, shape, drawing, timers, input, the end.

#include "win32/WinApi.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "ShellTestSupport.h"
#include "resource.h"
#include "shape/Region.h"
#include "win32/BalloonPainting.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"
#include "win32/Win32BalloonWindow.h"
#include "win32/Win32LoadingWindow.h"
#include "win32/Win32ObjectWindow.h"

namespace nuv::win32 {
namespace {

struct Recorder : IBalloonWindowEvents {
    std::vector<int> timers;
    std::vector<Point> moves;
    std::vector<BalloonKey> keys;
    int destroyed = 0;
    bool handleCursor = false;
    std::unique_ptr<IBalloonWindow>* owner = nullptr;  // deleted on destruction when set

    void OnTimer(int id) override { timers.push_back(id); }
    void OnMouseMove(int x, int y) override { moves.push_back({x, y}); }
    bool OnSetCursor() override { return handleCursor; }
    bool OnLButtonDown(int, int) override { return false; }
    void OnKey(BalloonKey key) override { keys.push_back(key); }
    void OnDestroyed() override {
        ++destroyed;
        if (owner) owner->reset();
    }
};

class SmallWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        context_.instance = GetModuleHandleW(nullptr);
        live_ = CurrentGdiCounts().Live();
    }
    void TearDown() override {
        fonts_.Clear();
        EXPECT_EQ(CurrentGdiCounts().Live(), live_) << "every GDI object is released";
    }

    ShellContext context_;
    KoreanFonts fonts_;
    long live_ = 0;
};

TEST_F(SmallWindowsTest, BalloonIsAHiddenBorderedToolWindowOfTheGivenSize) {
    Recorder events;
    Win32BalloonWindows factory(context_, fonts_);
    std::unique_ptr<IBalloonWindow> balloon = factory.CreateBalloonWindow();
    ASSERT_TRUE(balloon->Create(233, 203, events));
    HWND window = static_cast<Win32BalloonWindow*>(balloon.get())->hwnd();
    RECT rect = {}, client = {};
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    EXPECT_EQ(rect.right - rect.left, 233);
    EXPECT_EQ(rect.bottom - rect.top, 203);
    EXPECT_EQ(client.right, 231) << "a thin border";
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    std::vector<Rect> shape = {{5, 0, 200, 150}, {90, 150, 120, 170}};
    balloon->SetShape(shape);
    EXPECT_EQ(test::WindowShape(window), shape);
    balloon->MoveTo(300, 100);
    balloon->Show();
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 300);
    EXPECT_TRUE(IsWindowVisible(window));
    balloon->Destroy();
    EXPECT_EQ(events.destroyed, 1);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SmallWindowsTest, BalloonShowsItsDrawing) {
    Recorder events;
    Win32BalloonWindows factory(context_, fonts_);
    auto balloon = factory.CreateBalloonWindow();
    ASSERT_TRUE(balloon->Create(100, 60, events));
    HWND window = static_cast<Win32BalloonWindow*>(balloon.get())->hwnd();
    BalloonDrawing drawing;
    drawing.size = {100, 60};
    drawing.background.fill = MakePixel(20, 30, 40);
    drawing.runs.push_back({"가나다", {5, 5}, MakePixel(255, 255, 0), {12, true, false}});
    balloon->MoveTo(100, 100);
    balloon->Show();
    balloon->Draw(drawing);
    UpdateWindow(window);
    Image shown = test::CaptureClient(window);
    ASSERT_EQ(shown.width(), 98);
    EXPECT_EQ(shown.At(90, 50), MakePixel(20, 30, 40));
    int text = 0;
    for (int y = 5; y < 20; ++y) {
        for (int x = 5; x < 45; ++x)
            text += shown.At(x, y) == MakePixel(255, 255, 0);
    }
    EXPECT_GT(text, 10);
    balloon.reset();  // the owner goes first: the window goes without a report
    EXPECT_EQ(events.destroyed, 0);
}

TEST_F(SmallWindowsTest, BalloonTimersMouseAndKeysReachTheModel) {
    Recorder events;
    Win32BalloonWindows factory(context_, fonts_);
    std::unique_ptr<IBalloonWindow> balloon = factory.CreateBalloonWindow();
    ASSERT_TRUE(balloon->Create(100, 60, events));
    HWND window = static_cast<Win32BalloonWindow*>(balloon.get())->hwnd();
    balloon->StartTimer(0, 10);
    balloon->StartTimer(1, 10);
    test::Pump(1000, [&] { return events.timers.size() >= 4; });
    balloon->StopTimer(0);
    balloon->StopTimer(1);
    ASSERT_GE(events.timers.size(), 2u);
    EXPECT_NE(std::find(events.timers.begin(), events.timers.end(), 0), events.timers.end());
    EXPECT_NE(std::find(events.timers.begin(), events.timers.end(), 1), events.timers.end());

    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(7, 9));
    ASSERT_EQ(events.moves.size(), 1u);
    EXPECT_EQ(events.moves[0], (Point{7, 9}));

    MSG key = {};
    key.hwnd = window;
    key.message = WM_KEYDOWN;
    key.wParam = VK_RETURN;
    EXPECT_TRUE(PreTranslateBalloonKey(key));
    key.wParam = 'A';
    EXPECT_FALSE(PreTranslateBalloonKey(key));
    ASSERT_EQ(events.keys.size(), 1u);
    EXPECT_EQ(events.keys[0], BalloonKey::kEnter);

    // The model deletes the window object in its last report.
    events.owner = &balloon;
    balloon->Destroy();
    EXPECT_EQ(events.destroyed, 1);
    EXPECT_EQ(balloon, nullptr);
    key.wParam = VK_ESCAPE;
    EXPECT_FALSE(PreTranslateBalloonKey(key)) << "a closed balloon takes no keys";
}

TEST_F(SmallWindowsTest, BalloonPicturesComposeWithTheGreenKey) {
    BalloonDrawing drawing;
    auto piece = std::make_shared<Image>(6, 6, MakePixel(200, 0, 0));
    piece->Set(1, 1, MakePixel(1, 1, 1));
    drawing.background.image = piece;
    auto picture = std::make_shared<Image>(2, 2, MakePixel(0, 0, 250));
    picture->Set(1, 1, kPureGreen);
    drawing.pictures.push_back({"x.bmp", {2, 2}, picture});
    drawing.pictures.push_back({"edge.bmp", {3, 3}, picture});  // partly outside
    Image out = ComposeBalloonPictures(drawing, {4, 4});
    EXPECT_EQ(out.At(0, 0), MakePixel(1, 1, 1)) << "the piece's pixel (1, 1) at (0, 0)";
    EXPECT_EQ(out.At(2, 2), MakePixel(0, 0, 250));
    EXPECT_EQ(out.At(3, 3), MakePixel(0, 0, 250)) << "drawn by the second picture";
    EXPECT_EQ(out.At(1, 0), MakePixel(200, 0, 0));
    // Without a picture, the fill.
    BalloonDrawing plain;
    plain.background.fill = MakePixel(9, 9, 9);
    EXPECT_EQ(ComposeBalloonPictures(plain, {2, 2}).At(1, 1), MakePixel(9, 9, 9));
}

TEST_F(SmallWindowsTest, ObjectWindowTakesPlaceShapeAndPicture) {
    Win32ObjectWindows factory(context_);
    std::unique_ptr<IObjectWindow> object = factory.CreateObjectWindow();
    HWND window = static_cast<Win32ObjectWindow*>(object.get())->hwnd();
    ASSERT_NE(window, nullptr);
    object->Place({50, 60}, {30, 20});
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.right - rect.left, 30);
    Region shape(Rect{0, 0, 30, 10});
    object->SetPicture(Image(30, 20, MakePixel(5, 6, 7)), shape, {0, 0, 30, 20});
    EXPECT_EQ(test::WindowShape(window), shape.Rects());
    object->Show(true);
    EXPECT_TRUE(IsWindowVisible(window));
    UpdateWindow(window);
    EXPECT_EQ(test::CaptureClient(window).At(3, 3), MakePixel(5, 6, 7));
    object->Show(false);
    EXPECT_FALSE(IsWindowVisible(window));
    object.reset();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SmallWindowsTest, LoadingWindowShowsProgressAndGoes) {
    test::PictureFolder folder;
    folder.Put("PETLOAD.BCF", Image(300, 160, MakePixel(230, 240, 250)));
    context_.files = &folder.files();
    Win32LoadingWindow loading(context_);
    loading.Open(40);
    HWND window = FindWindowW(L"#32770", nullptr);
    ASSERT_NE(window, nullptr);
    HWND bar = GetDlgItem(window, IDC_LOADING_PROGRESS);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_SMOOTH);
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 40);
    loading.Report(2, 50, 20);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(test::CaptureClient(window).At(5, 5), MakePixel(230, 240, 250));
    loading.Close();
    EXPECT_FALSE(IsWindow(window));
    loading.Close();
}

}  // namespace
}  // namespace nuv::win32
