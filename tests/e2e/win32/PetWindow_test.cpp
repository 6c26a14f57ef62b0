// The pet's window port on a real window of the pet template: shape, picture, places, title.

#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "resource.h"
#include "shape/Region.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"
#include "win32/Win32Desktop.h"
#include "win32/Win32PetWindow.h"

namespace nuv::win32 {
namespace {

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

class PetWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        context_.instance = GetModuleHandleW(nullptr);
        context_.petWindow = CreateDialogParamW(context_.instance, MAKEINTRESOURCEW(IDD_PET_MAIN),
                                                nullptr, PlainProc, 0);
        ASSERT_NE(context_.petWindow, nullptr);
    }
    void TearDown() override {
        window_.ReleaseSheet();
        DestroyWindow(context_.petWindow);
    }

    ShellContext context_;
    Win32PetWindow window_{context_};
};

TEST_F(PetWindowTest, PlacesAndSizesWithoutChangingTheOrder) {
    window_.MoveResize(100, 200, 40, 30);
    EXPECT_EQ(window_.GetRect(), (Rect{100, 200, 140, 230}));
    window_.Move(-10, 5);
    EXPECT_EQ(window_.GetRect(), (Rect{-10, 5, 30, 35}));
    window_.MoveResize(100, 200, 40, 30);
    EXPECT_EQ(window_.ClientToScreen({50, 15}), (Point{150, 215}));
}

TEST_F(PetWindowTest, ShapeIsTheRegionAndAnEqualShapeMakesNoNewRegion) {
    window_.MoveResize(100, 100, 40, 30);
    Region shape(Rect{0, 0, 40, 10});
    shape |= Rect{10, 10, 20, 30};
    window_.SetShape(shape);
    EXPECT_EQ(test::WindowShape(context_.petWindow), shape.Rects());
    const long regions = CurrentGdiCounts().created[int(GdiKind::kRegion)];
    window_.SetShape(shape);
    EXPECT_EQ(CurrentGdiCounts().created[int(GdiKind::kRegion)], regions);
    Region other(Rect{5, 5, 15, 15});
    window_.SetShape(other);
    EXPECT_EQ(test::WindowShape(context_.petWindow), other.Rects());
    EXPECT_EQ(CurrentGdiCounts().Live(GdiKind::kRegion), 0) << "the window owns its region";
}

TEST_F(PetWindowTest, PaintsTheSheetCellAtTheClientOrigin) {
    Image sheet(20, 10, MakePixel(0, 0, 255));
    for (int y = 0; y < 10; ++y) {
        for (int x = 10; x < 20; ++x)
            sheet.Set(x, y, MakePixel(255, 128, 0));
    }
    ASSERT_EQ(window_.PrepareSheet(sheet), 0u);
    window_.MoveResize(300, 300, 10, 10);
    window_.Show(true);
    HDC dc = GetDC(context_.petWindow);
    window_.BeginPaintFrame(dc);
    window_.PaintFromSheet({10, 0, 20, 10});
    window_.EndPaintFrame();
    ReleaseDC(context_.petWindow, dc);
    Image shown = test::CaptureClient(context_.petWindow);
    ASSERT_EQ(shown.width(), 10);
    EXPECT_EQ(shown.At(0, 0), MakePixel(255, 128, 0));
    EXPECT_EQ(shown.At(9, 9), MakePixel(255, 128, 0));
    EXPECT_GE(window_.Timings().paint.count, 1);
    EXPECT_GE(window_.Timings().firstFrameMs, 0);
}

TEST_F(PetWindowTest, TitleIconTaskBarAndEnd) {
    window_.SetTitle("두부");
    wchar_t title[32] = {};
    GetWindowTextW(context_.petWindow, title, 32);
    EXPECT_STREQ(title, L"두부");

    window_.SetIcon(IDI_TRAY);
    EXPECT_NE(SendMessageW(context_.petWindow, WM_GETICON, ICON_BIG, 0), 0);

    window_.HideFromTaskBar();
    LONG_PTR style = GetWindowLongPtrW(context_.petWindow, GWL_EXSTYLE);
    EXPECT_FALSE(style & WS_EX_APPWINDOW);
    EXPECT_TRUE(style & WS_EX_TOOLWINDOW);

    window_.Show(true);
    EXPECT_FALSE(window_.Ended());
    window_.EndDialog();
    EXPECT_TRUE(window_.Ended());
    EXPECT_FALSE(IsWindowVisible(context_.petWindow));
}

TEST_F(PetWindowTest, TimersArriveAsTimerMessages) {
    window_.StartTimer(2, 10);
    bool ticked = false;
    const DWORD start = GetTickCount();
    while (!ticked && GetTickCount() - start < 1000) {
        MSG message;
        if (PeekMessageW(&message, context_.petWindow, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            ticked = message.wParam == 2;
        } else {
            Sleep(5);
        }
    }
    EXPECT_TRUE(ticked);
    window_.StopTimer(2);
}

// The system's monitor records as the core's monitors: the primary one first wherever the
// system lists it, negative coordinates kept, the scale from each monitor's DPI.
TEST(DesktopTest, MonitorRecordsBecomeMonitorsPrimaryFirst) {
    const MonitorRecord left{{-1280, -200, 0, 824}, false, 96};
    const MonitorRecord primary{{0, 0, 1920, 1040}, true, 144};
    const MonitorRecord right{{1920, 0, 4480, 1400}, false, 192};
    const MonitorRecord empty{{10, 10, 10, 900}, false, 96};
    const Monitor leftOut{-1280, -200, 0, 824, 1.0};
    const Monitor primaryOut{0, 0, 1920, 1040, 1.5};
    const Monitor rightOut{1920, 0, 4480, 1400, 2.0};
    struct Case {
        std::vector<MonitorRecord> records;
        Monitors expected;
    } cases[] = {
        {{primary}, {primaryOut}},
        {{left, primary}, {primaryOut, leftOut}},
        {{right, left, primary}, {primaryOut, rightOut, leftOut}},
        {{primary, empty, right}, {primaryOut, rightOut}},
        {{left, {{0, 0, 800, 600}, false, 0}}, {leftOut, {0, 0, 800, 600, 1.0}}},
        {{left, primary, {{1920, 0, 2000, 80}, true, 96}},
         {primaryOut, leftOut, {1920, 0, 2000, 80, 1.0}}},
        {{}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToMonitors(c.records), c.expected);
}

TEST(DesktopTest, GroundLineIsTheBottomOfTheUsableDesktop) {
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    Win32Desktop desktop;
    Monitors monitors = desktop.GetMonitors();
    ASSERT_EQ(monitors.size(), size_t(GetSystemMetrics(SM_CMONITORS)));
    Monitor size = monitors.front();  // the primary one, at 0,0
    EXPECT_EQ(size.left, area.left);
    EXPECT_EQ(size.right, area.right);
    EXPECT_EQ(size.ground, area.bottom);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(size.scale, GetDeviceCaps(screen, LOGPIXELSX) / 96.0);
    ReleaseDC(nullptr, screen);
    desktop.SetCursorPos({123, 234});
    EXPECT_EQ(desktop.GetCursorPos(), (Point{123, 234}));
}

}  // namespace
}  // namespace nuv::win32
