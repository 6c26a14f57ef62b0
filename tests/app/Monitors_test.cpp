// Several monitors: the pet walks, lands and is thrown on the monitor under its centre.

#include <gtest/gtest.h>

#include <algorithm>

#include "balloon/BalloonGeometry.h"
#include "engine/Ground.h"
#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

constexpr int kSize = 20;
// A smaller monitor left of the primary (negative x), the primary, a smaller one on its right.
const Monitor kLeft{-800, 0, 0, 600}, kPrimary{0, 0, 1024, 738}, kRight{1024, 0, 1824, 568};

SimOptions ThreeMonitors() {
    SimOptions options = SimHarness::DefaultOptions();
    options.desktop = {kPrimary, kLeft, kRight};
    return options;
}

class Monitors3 : public ::testing::Test {
  protected:
    Monitors3() : sim(TinyPet(), ThreeMonitors()) {}
    void SetUp() override { ASSERT_TRUE(sim.Start()); }

    // Drags the pet so that its window's left top corner is at (x, y) and lets it go.
    void DropAt(int x, int y) {
        sim.Input(SimInput::kLButton, 5, 5);
        Rect start = sim.Window();
        Point grip = sim.desktop->screen().GetCursorPos();
        sim.Input(SimInput::kCursor, grip.x + x - start.left, grip.y + y - start.top);
        sim.RunFor(20);
        sim.Input(SimInput::kRelease);
    }
    // Rests the cursor at `from` for a sample, then moves it to `to` and lets go.
    void Flick(Point from, Point to) {
        sim.Input(SimInput::kLButton, 5, 5);
        sim.Input(SimInput::kCursor, from.x, from.y);
        sim.RunFor(15);
        sim.Input(SimInput::kCursor, to.x, to.y);
        sim.Input(SimInput::kRelease);
    }
    // Runs until the flight or fall is over; the window's widest extent on the way.
    Rect Fly() {
        Rect reach = sim.Window();
        for (int i = 0; i < 400 && sim.pet().Engine().GetActionId() >= 700; ++i) {
            sim.RunFor(50);
            reach.left = std::min(reach.left, sim.Window().left);
            reach.right = std::max(reach.right, sim.Window().right);
        }
        return reach;
    }
    // The monitor under the window's centre stands the pet on its ground.
    void ExpectStandingOn(const Monitor& m) {
        Rect w = sim.Window();
        EXPECT_EQ(MonitorAt(sim.desktop->screen().monitors, Anchor(w)), m);
        EXPECT_EQ(w.bottom, m.ground + 30);
        EXPECT_GE(w.left, m.left);
        EXPECT_LE(w.right, m.right);
    }

    SimHarness sim;
};

TEST(MonitorAt, PicksTheMonitorUnderAPointOrTheNearestOne) {
    const Monitors all{kPrimary, kLeft, kRight};
    struct Case {
        Point p;
        Monitor expected;
    } cases[] = {{{10, 10}, kPrimary},    {{-1, 10}, kLeft},    {{1024, 0}, kRight},
                 {{1500, 650}, kRight},   {{-900, -50}, kLeft}, {{500, 5000}, kPrimary},
                 {{1023, 737}, kPrimary}, {{3000, 100}, kRight}};
    for (const Case& c : cases)
        EXPECT_EQ(MonitorAt(all, c.p), c.expected) << c.p.x << "," << c.p.y;
    EXPECT_EQ(MonitorAt({}, {5, 5}), Monitor{});
    // A throw at a height that every monitor reaches crosses all three; below the right
    // monitor's ground it ends at the primary's right edge.
    EXPECT_EQ(ThrowSpan(all, {500, 300}).left, -800);
    EXPECT_EQ(ThrowSpan(all, {500, 300}).right, 1824);
    EXPECT_EQ(ThrowSpan(all, {500, 650}).right, 1024);
    EXPECT_EQ(ThrowSpan(all, {500, 650}).left, 0);
}

// A window is kept between the monitor's edges, its top and its ground; one wider than the
// monitor keeps to the left, one taller stands on the ground (a balloon larger than its area
// keeps to the left and top), and each stays there.
TEST(KeepOnMonitor, KeepsAWindowInsideItsMonitor) {
    struct Case {
        Rect rect;
        Point expected;
    } cases[] = {{{1100, 100, 1200, 200}, {1100, 100}}, {{1000, 100, 1100, 200}, {1024, 100}},
                 {{1800, 100, 1900, 200}, {1724, 100}}, {{1100, 560, 1200, 660}, {1100, 498}},
                 {{1100, -10, 1200, 90}, {1100, 0}},    {{900, 100, 1900, 200}, {1024, 100}},
                 {{1100, 0, 1200, 700}, {1100, -102}},  {{1000, 100, 1900, 200}, {1024, 100}}};
    for (const Case& c : cases) {
        Point kept = KeepOnMonitor(c.rect, kRight);
        EXPECT_EQ(kept, c.expected) << c.rect.left << "," << c.rect.top;
        Rect moved{kept.x, kept.y, kept.x + c.rect.Width(), kept.y + c.rect.Height()};
        EXPECT_EQ(KeepOnMonitor(moved, kRight), kept);
    }
    const Rect area{0, 0, 300, 200};
    EXPECT_EQ(KeptInside({250, 150}, {100, 100}, area), (Point{200, 100}));
    EXPECT_EQ(KeptInside({-5, -5}, {100, 100}, area), (Point{0, 0}));
    EXPECT_EQ(KeptInside({50, 50}, {400, 300}, area), (Point{0, 0}));
}

TEST_F(Monitors3, ADropLandsOnTheGroundOfTheMonitorUnderTheCentre) {
    ExpectStandingOn(kPrimary);  // the pet starts on the primary monitor
    const struct {
        Point at;
        Monitor on;
    } drops[] = {{{1500, 100}, kRight},  {{-400, 50}, kLeft},  {{-8, 50}, kPrimary},
                 {{1010, 50}, kPrimary}, {{1016, 50}, kRight}, {{1500, 650}, kRight}};
    for (const auto& d : drops) {
        DropAt(d.at.x, d.at.y);
        Fly();
        SCOPED_TRACE(d.at.x);
        ExpectStandingOn(d.on);
    }
}

TEST_F(Monitors3, AThrowCrossesMonitorsButNeverLeavesThemAll) {
    // High up, every monitor reaches the flight: right over the right monitor and back left to
    // the left one; it lands on the monitor under it.
    Flick({500, 300}, {620, 290});
    Rect reach = Fly();
    EXPECT_EQ(reach.right, kRight.right);
    EXPECT_EQ(reach.left, kLeft.left);
    ExpectStandingOn(MonitorAt(sim.desktop->screen().monitors, Anchor(sim.Window())));
    // Low down, falling below the right monitor's ground, the flight ends at the primary's edge.
    Flick({150, 600}, {300, 608});
    reach = Fly();
    EXPECT_EQ(reach.right, kPrimary.right);
    ExpectStandingOn(kPrimary);
}

TEST_F(Monitors3, AWalkTurnsAtTheEdgeOfTheSmallerMonitor) {
    DropAt(1790, 100);
    Fly();
    ExpectStandingOn(kRight);
    sim.StartAction(ActionId::kWalkRight);
    int right = 0;
    for (int i = 0; i < 100 && sim.pet().Engine().GetActionId() == ActionId::kWalkRight; ++i) {
        sim.RunFor(120);
        right = std::max(right, sim.Window().right);
        EXPECT_EQ(sim.Window().bottom, kRight.ground + 30);
    }
    EXPECT_EQ(right, kRight.right);
    EXPECT_NE(sim.pet().Engine().GetActionId(), ActionId::kWalkRight);
}

TEST_F(Monitors3, ABalloonStaysOnThePetsMonitor) {
    for (const auto& [x, monitor] : {std::pair{1800, kRight}, std::pair{0, kPrimary}}) {
        DropAt(x, 100);
        Fly();
        ExpectStandingOn(monitor);
        sim.pet().OpenBalloon(kTypingBalloon, "Hi");
        CSimBalloonWindow* balloon = sim.desktop->balloons().Newest();
        ASSERT_TRUE(balloon);
        EXPECT_GE(balloon->position.x, monitor.left);
        EXPECT_LE(balloon->position.x + balloon->size.width, monitor.right);
        sim.pet().CloseBalloon();
    }
}

TEST_F(Monitors3, APetOnARemovedMonitorComesBackToTheNearestGround) {
    DropAt(1700, 100);
    Fly();
    SimInput change;
    change.time = sim.desktop->Now();
    change.verb = SimInput::kMonitors;
    change.monitors = {kPrimary, kLeft};
    sim.desktop->Post(change);
    sim.RunFor(1);
    EXPECT_EQ(sim.Window().right, kPrimary.right);
    ExpectStandingOn(kPrimary);
    // A change that leaves the pet on a monitor does not move it; one that moves the ground it
    // stood on keeps it standing.
    Rect before = sim.Window();
    change.time = sim.desktop->Now();
    change.monitors = {kPrimary};
    sim.desktop->Post(change);
    sim.RunFor(1);
    EXPECT_EQ(sim.Window(), before);
    const Monitor taller{0, 0, 1024, 768};  // the task bar gone
    change.time = sim.desktop->Now();
    change.monitors = {taller};
    sim.desktop->Post(change);
    sim.RunFor(1);
    EXPECT_EQ(sim.Window().left, before.left);
    ExpectStandingOn(taller);
}

TEST(ParseMonitors, ReadsWorkAreasScalesAndTheOldForm) {
    Monitors m;
    std::string error;
    ASSERT_TRUE(ParseMonitors("0,0,1024,738;1024,0,800,568@2;-640,-10,640,480@1.5", &m, &error));
    EXPECT_EQ(m,
              (Monitors{{0, 0, 1024, 738}, {1024, 0, 1824, 568, 2.0}, {-640, -10, 0, 470, 1.5}}));
    ASSERT_TRUE(ParseMonitors("800,600", &m, &error));
    EXPECT_EQ(m, (Monitors{{0, 0, 800, 600}}));
    std::vector<SimInput> events;
    ASSERT_TRUE(ParseSimInput("5 monitors 10,0,800,600@3\n", &events, &error)) << error;
    EXPECT_EQ(events.at(0).verb, SimInput::kMonitors);
    EXPECT_EQ(events.at(0).monitors, (Monitors{{10, 0, 810, 600, 3.0}}));
    EXPECT_FALSE(ParseSimInput("5 monitors\n", &events, &error));
    for (const char* bad : {"", "800", "0,0,0,10", "1,2,3", "0,0,10,10@", "0,0,10,10@0",
                            "0,0,10,10x", "0,0,10,10;;", "2147483647,0,10,10"}) {
        EXPECT_FALSE(ParseMonitors(bad, &m, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace nuv::test
