// The whole zoom: at zoom N the pet lives the same life in pixels N times as large.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "balloon/BalloonGeometry.h"
#include "engine/Ground.h"
#include "script/PetIds.h"
#include "sim/SimWindow.h"
#include "support/SimHarness.h"
#include "zoom/Zoom.h"
#include "zoom/ZoomedPorts.h"

namespace nuv::test {
namespace {

SimOptions Zoomed(int zoom, Monitors desktop) {
    SimOptions options = SimHarness::DefaultOptions(true);
    options.desktop = std::move(desktop);
    options.zoom = std::to_string(zoom);
    return options;
}

// Drags the pet by (dx, dy) from its grip and lets it go: a throw when fast enough.
void Fling(SimHarness& sim, int zoom, int dx, int dy) {
    sim.Input(SimInput::kLButton, 5 * zoom, 5 * zoom);
    Point grip = sim.desktop->screen().GetCursorPos();
    sim.Input(SimInput::kCursor, grip.x, grip.y);
    sim.RunFor(15);
    sim.Input(SimInput::kCursor, grip.x + dx * zoom, grip.y + dy * zoom);
    sim.Input(SimInput::kRelease);
}

// The events of a run with every length in screen pixels divided by `zoom`.
std::vector<SimEvent> InPetPixels(std::vector<SimEvent> events, int zoom) {
    static const std::set<std::string> lengths = {"x",    "y",   "w",     "h",
                                                  "left", "top", "right", "bottom"};
    for (SimEvent& e : events) {
        e.values.erase("zoom");
        for (auto& [name, value] : e.values) {
            if (!lengths.count(name)) continue;
            EXPECT_EQ(value % zoom, 0) << e.name << " " << name << " at " << e.t;
            value /= zoom;
        }
    }
    return events;
}

TEST(Zoom, AnHourAtZoom2IsZoom1TimesTwo) {
    SimHarness one(TinyPet(), Zoomed(1, {{0, 0, 1024, 738}}));
    SimHarness two(TinyPet(), Zoomed(2, {{0, 0, 2048, 1476}}));
    ASSERT_TRUE(one.Start());
    ASSERT_TRUE(two.Start());
    EXPECT_EQ(two.dialog().zoom(), 2);
    // Every minute something else: a walk, a run, a glide, a talk, a throw, an outing.
    const std::vector<int> lives = {ActionId::kWalkLeft,
                                    ActionId::kRunRight,
                                    ActionId::kGlide,
                                    ActionId::kTalkNeeds,
                                    0,
                                    ActionId::kWalkRight,
                                    ActionId::kOuting,
                                    ActionId::kRunLeft,
                                    ActionId::kTalkAdvertisement};
    std::set<int> places;
    for (int minute = 0; minute < 60; ++minute) {
        int life = lives[minute % lives.size()];
        for (SimHarness* sim : {&one, &two}) {
            if (life) sim->StartAction(life);
            if (!life) Fling(*sim, sim == &one ? 1 : 2, 150, -40);
        }
        one.RunFor(60000);
        two.RunFor(60000);
        places.insert(one.Window().left);
        ASSERT_EQ(two.Window(), ZoomUp(one.Window(), 2)) << "minute " << minute;
        // The shape is the frame's region with every rectangle twice as large, and the paint
        // takes the frame's piece of the twice as large sheet.
        const std::vector<Rect>& small = one.desktop->Shape().Rects();
        const std::vector<Rect>& large = two.desktop->Shape().Rects();
        ASSERT_EQ(small.size(), large.size());
        for (std::size_t i = 0; i < small.size(); ++i)
            EXPECT_EQ(large[i], ZoomUp(small[i], 2));
        EXPECT_EQ(two.desktop->window().lastPaint, ZoomUp(one.desktop->window().lastPaint, 2));
    }
    EXPECT_GT(places.size(), 10u);  // the pet went places
    EXPECT_GT(one.report.Count("balloon"), 0);
    EXPECT_GT(one.report.Count("object"), 0);
    std::vector<SimEvent> zoomed = InPetPixels(two.report.events, 2), plain = one.report.events;
    ASSERT_EQ(zoomed.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(std::tie(zoomed[i].t, zoomed[i].name, zoomed[i].values, zoomed[i].texts),
                  std::tie(plain[i].t, plain[i].name, plain[i].values, plain[i].texts))
            << plain[i].name << " at " << plain[i].t;
    }
}

// Remembers the sheet and the painted piece.
class CSheetWindow : public CSimWindow {
  public:
    using CSimWindow::CSimWindow;
    uint32_t PrepareSheet(const Image& s) override {
        sheet = s;
        ++sheets;
        return 0;
    }
    Image sheet;
    int sheets = 0;
};

TEST(Zoom, TheWindowGetsTheFramesPixelsAndShapeNTimesAsLarge) {
    CSimContext sim;
    CSheetWindow window(sim);
    PetPorts shell;
    shell.window = &window;
    CZoomedPorts zoomed(shell);
    IPetWindow& pet = *zoomed.Ports().window;
    Image sheet(6, 4);
    for (int i = 0; i < 24; ++i)
        sheet.Set(i % 6, i / 6, Pixel(i * 0x010203));
    Region frame(Rect{0, 0, 3, 1});
    frame |= Rect{1, 1, 2, 3};
    pet.PrepareSheet(sheet);
    pet.SetShape(frame);
    EXPECT_EQ(window.sheet, sheet);  // zoom 1 passes everything through
    EXPECT_EQ(window.shape, frame);
    for (int n : {3, 2}) {
        zoomed.ChangeZoom(n, sheet, &frame);
        const Rect source{3, 1, 6, 4};
        pet.PaintFromSheet(source);
        ASSERT_EQ(window.lastPaint, ZoomUp(source, n));
        for (int y = 0; y < 3 * n; ++y) {
            for (int x = 0; x < 3 * n; ++x) {
                ASSERT_EQ(window.sheet.At(3 * n + x, n + y), sheet.At(3 + x / n, 1 + y / n));
            }
        }
        std::vector<Rect> expected;
        for (const Rect& r : frame.Rects())
            expected.push_back(ZoomUp(r, n));
        EXPECT_EQ(window.shape.Rects(), expected);
        // Positions: screen pixels rounded down to pet pixels, pet pixels times n.
        pet.MoveResize(-7, 5, 3, 3);
        EXPECT_EQ(window.rect, (Rect{-7 * n, 5 * n, -4 * n, 8 * n}));
        window.Move(-7 * n - 1, 5 * n + n - 1);
        EXPECT_EQ(pet.GetRect(), (Rect{-8, 5, -5, 8}));
    }
    EXPECT_EQ(window.sheets, 3);  // once at each zoom
}

TEST(Zoom, AutoFollowsTheScaleOfThePetsMonitorWithItsFeetInPlace) {
    const struct {
        double scale;
        int zoom;
    } rule[] = {{1.0, 1}, {1.25, 1}, {1.5, 1}, {1.75, 2}, {2.0, 2},
                {2.5, 2}, {2.75, 3}, {4.0, 3}, {0.5, 1},  {NAN, 1}};
    for (const auto& r : rule)
        EXPECT_EQ(AutoZoom(r.scale), r.zoom) << r.scale;

    const Monitor primary{0, 0, 1024, 738}, right{1024, 0, 2624, 1000, 2.0};
    SimOptions options = Zoomed(1, {primary, right});
    options.zoom.reset();  // nothing stored: Auto
    SimHarness sim(TinyPet(), options);
    ASSERT_TRUE(sim.Start());
    Rect small = sim.Window();
    // Dropped on the monitor at scale 2, the pet lands on its ground and grows, feet in place.
    sim.Input(SimInput::kLButton, 5, 5);
    Point grip = sim.desktop->screen().GetCursorPos();
    sim.Input(SimInput::kCursor, grip.x + 1500 - small.left, grip.y);
    sim.RunFor(20);
    sim.Input(SimInput::kRelease);
    for (int i = 0; i < 100 && sim.pet().Engine().GetActionId() >= 700; ++i)
        sim.RunFor(50);
    Rect large = sim.Window();
    EXPECT_EQ(sim.dialog().zoom(), 2);
    EXPECT_EQ(large.Width(), 2 * small.Width());
    EXPECT_EQ(large.bottom, right.ground + 2 * kGroundMargin);
    EXPECT_NEAR((large.left + large.right) / 2, 1500 + small.Width() / 2, 1);
    EXPECT_EQ(sim.report.Named("zoom").back()["zoom"], 2);
    // The menu shows the setting; 1x holds on every monitor and is kept for the next start.
    sim.Input(SimInput::kRButton, 5, 5);
    ASSERT_FALSE(sim.report.lastMenuItems.empty());
    auto checked = [&](int command) {
        for (const MenuItem& submenu : sim.report.lastMenuItems)
            for (const MenuItem& item : submenu.items)
                if (item.command == command) return item.checked;
        return false;
    };
    EXPECT_TRUE(checked(CommandId::kZoomAuto));
    EXPECT_FALSE(checked(CommandId::kZoom2));
    sim.Input(SimInput::kKey, 0);
    sim.Input(SimInput::kCommand, CommandId::kZoom1);
    EXPECT_EQ(sim.dialog().zoom(), 1);
    EXPECT_EQ(sim.Window().bottom, right.ground + kGroundMargin);
    EXPECT_NEAR((sim.Window().left + sim.Window().right) / 2, (large.left + large.right) / 2, 1);
    EXPECT_EQ(sim.desktop->settings().values.at(SettingKey::kZoom), "1");
    sim.Input(SimInput::kCommand, CommandId::kZoomAuto);
    EXPECT_EQ(sim.dialog().zoom(), 2);
    EXPECT_EQ(sim.desktop->settings().values.at(SettingKey::kZoom), "auto");
}

TEST(Zoom, ABalloonAtZoom2IsLaidOutWithTwiceTheFont) {
    BalloonDrawing drawn[2];
    Point placed[2];
    for (int zoom : {1, 2}) {
        SimHarness sim(TinyPet(), Zoomed(zoom, {{0, 0, 1024 * zoom, 738 * zoom}}));
        ASSERT_TRUE(sim.Start());
        sim.pet().OpenBalloon(kTypingBalloon, "Hi <LINK=www.example.org>there</LINK>");
        sim.RunFor(3000);
        CSimBalloonWindow* balloon = sim.desktop->balloons().Newest();
        ASSERT_TRUE(balloon);
        drawn[zoom - 1] = balloon->drawing;
        placed[zoom - 1] = balloon->position;
    }
    const BalloonDrawing &one = drawn[0], &two = drawn[1];
    EXPECT_EQ(placed[1], ZoomUp(placed[0], 2));
    EXPECT_EQ(two.size.width, 2 * one.size.width);
    ASSERT_EQ(two.runs.size(), one.runs.size());
    ASSERT_FALSE(one.runs.empty());
    for (std::size_t i = 0; i < one.runs.size(); ++i) {
        EXPECT_EQ(two.runs[i].font.height, 2 * one.runs[i].font.height);
        EXPECT_EQ(two.runs[i].at, ZoomUp(one.runs[i].at, 2));
        EXPECT_EQ(two.runs[i].text, one.runs[i].text);
    }
    ASSERT_EQ(two.linkAreas.size(), 1u);
    EXPECT_EQ(two.linkAreas[0].area, ZoomUp(one.linkAreas[0].area, 2));
}

}  // namespace
}  // namespace nuv::test
