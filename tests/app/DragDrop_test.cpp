// Picking the pet up, dragging it, and what a release does: edge corrections, drops and throws.

#include <gtest/gtest.h>

#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

constexpr int kGround = 738, kWidth = 1024, kSize = 20;

class DragDrop : public ::testing::Test {
  protected:
    DragDrop() : sim(TinyPet(), SimHarness::DefaultOptions(true)) {}
    void SetUp() override { ASSERT_TRUE(sim.Start()); }

    // Picks the pet up with a click at client (5, 5): the cursor jumps to client (50, 15).
    void PickUp() { sim.Input(SimInput::kLButton, 5, 5); }
    void CursorTo(int x, int y) { sim.Input(SimInput::kCursor, x, y); }
    void Release() { sim.Input(SimInput::kRelease); }
    // Drags the pet so that its window's left top corner is at (x, y), and waits for a sample.
    void DragTo(int x, int y) {
        PickUp();
        Rect start = sim.Window();
        Point grip = sim.desktop->screen().GetCursorPos();
        CursorTo(grip.x + x - start.left, grip.y + y - start.top);
        sim.RunFor(20);
    }
    // Lets the cursor rest at `from` for a sample, then moves it to `to` and releases at once.
    void Flick(Point from, Point to) {
        PickUp();
        CursorTo(from.x, from.y);
        sim.RunFor(15);
        CursorTo(to.x, to.y);
        Release();
    }
    int LastAction() const { return int(sim.report.Named("action").back()["id"]); }
    Point Corner() const { return {sim.Window().left, sim.Window().top}; }
    // The window's moves on each tick until it stands on the ground (or `limit` ticks).
    std::vector<Point> StepsToGround(int periodMs, int limit = 200) {
        std::vector<Point> steps;
        for (int i = 0; i < limit && sim.pet().Engine().GetActionId() >= 700; ++i) {
            Rect before = sim.Window();
            sim.RunFor(uint64_t(periodMs));
            steps.push_back({sim.Window().left - before.left, sim.Window().top - before.top});
        }
        return steps;
    }

    SimHarness sim;
};

TEST_F(DragDrop, PickingUpStartsAction701WithTheDragCursor) {
    Rect before = sim.Window();
    PickUp();
    EXPECT_TRUE(sim.dialog().dragging());
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDragged);
    EXPECT_EQ(sim.desktop->screen().GetCursorPos(), (Point{before.left + 50, before.top + 15}));
    EXPECT_EQ(sim.report.Named("cursor").back().texts[0], "resource:136");

    // While dragged, the pet follows the cursor and its animation runs on timer 4 only.
    CursorTo(before.left + 50 - 100, before.top + 15 - 200);
    EXPECT_EQ(Corner(), (Point{before.left - 100, before.top - 200}));
    std::size_t events = sim.report.events.size();
    sim.RunFor(1200);
    std::vector<uint64_t> ticks;
    for (std::size_t i = events; i < sim.report.events.size(); ++i) {
        const SimEvent& e = sim.report.events[i];
        if (e.name == "tick") {
            EXPECT_EQ(e["timer"], 4);
            ticks.push_back(e.t);
        }
    }
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_EQ(ticks[1] - ticks[0], 120u);
}

TEST_F(DragDrop, Action701NeverEndsByTime) {
    PickUp();
    sim.RunFor(60 * 1000);
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDragged);
    EXPECT_EQ(sim.report.Named("action").back()["id"], 701);
}

TEST_F(DragDrop, ADropFallsInGrowingStepsAndLandsExactlyOnTheGround) {
    DragTo(300, 100);
    Release();
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDropped);
    EXPECT_EQ(sim.report.Named("cursor").back().texts[0], "null");
    std::vector<Point> steps = StepsToGround(50);
    std::vector<int> fall;
    for (Point step : steps) {
        EXPECT_EQ(step.x, 0);
        fall.push_back(step.y);
    }
    // From a bottom of 120: 15, 25, ..., 105 and a last step of 48 to G + 30 = 768.
    EXPECT_EQ(fall, (std::vector<int>{15, 25, 35, 45, 55, 65, 75, 85, 95, 105, 48}));
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
    EXPECT_EQ(LastAction(), 100);

    // Timer 2 takes over again: the pet stays on the ground and ticks every 120 ms.
    int shapes = sim.desktop->ShapeChanges();
    sim.RunFor(1200);
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
    EXPECT_GE(sim.desktop->ShapeChanges() - shapes, 8);
}

TEST_F(DragDrop, ThrowNeedsSeventyPixelsWithSevenOfThemVertical) {
    Flick({100, 100}, {170, 107});  // d = 70, |dy| = 7
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kThrown);
    Rect released = sim.Window();
    sim.RunFor(50);
    EXPECT_EQ(sim.Window().left - released.left, 70);  // right (8), dx = 70
    EXPECT_EQ(sim.Window().top - released.top, 7);     // down (2), dy = 7
}

TEST_F(DragDrop, ShorterOrFlatterFlicksAreDrops) {
    Flick({100, 100}, {169, 107});  // d = 69
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDropped);
    StepsToGround(50);

    Flick({100, 100}, {200, 106});  // d = 100 but only 6 vertical
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDropped);
}

TEST_F(DragDrop, AnUpwardThrowWithoutSidewaysMovementTurnsAtTheTop) {
    Flick({300, 200}, {300, 130});  // equal x counts as right with dx 0; up with dy 70
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kThrown);
    Rect released = sim.Window();
    ASSERT_EQ(released.top, 115);
    std::vector<Point> steps = StepsToGround(50);
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ(steps[0].y, -70);
    EXPECT_EQ(steps[1].y, -45);  // stopped at the top, where it turns down
    EXPECT_EQ(steps[2].y, 70);
    for (Point step : steps)
        EXPECT_EQ(step.x, 0);
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
    EXPECT_EQ(LastAction(), 100);
}

TEST_F(DragDrop, ACommandDuringAFlightPutsThePetBackOnItsNormalTimer) {
    for (int command : {CommandId::kStroke, CommandId::kToggleSound}) {
        Flick({500, 300}, {420, 290});  // a long flight: up at 10 px a tick from y 285
        ASSERT_EQ(sim.pet().Engine().GetActionId(), ActionId::kThrown);
        sim.RunFor(200);
        sim.Input(SimInput::kCommand, command);  // from the tray's menu
        EXPECT_EQ(sim.Window().bottom, kGround + 30);
        std::size_t from = sim.report.events.size();
        sim.RunFor(3000);
        std::vector<uint64_t> ticks;
        for (std::size_t i = from; i < sim.report.events.size(); ++i) {
            const SimEvent& e = sim.report.events[i];
            if (e.name != "tick") continue;
            EXPECT_EQ(e["timer"], 2) << command;
            ticks.push_back(e.t);
        }
        EXPECT_GE(ticks.size(), 20u);
        EXPECT_LE(ticks.size(), 26u);
        EXPECT_EQ(sim.Window().bottom, kGround + 30);
        sim.Input(SimInput::kCommand, 12345);  // back to the ground for the next round
        sim.RunFor(3000);
    }
}

TEST_F(DragDrop, AThrowBouncesOffTheSidesAndKeepsItsSpeed) {
    // From (100, 100) to (20, 110): left (4) with 80 px a tick, down (2) with 10.
    Flick({100, 100}, {20, 110});
    ASSERT_EQ(sim.pet().Engine().GetActionId(), ActionId::kThrown);
    std::vector<int> xs;
    int lastTop = sim.Window().top;
    for (int i = 0; i < 200 && sim.pet().Engine().GetActionId() == ActionId::kThrown; ++i) {
        sim.RunFor(50);
        xs.push_back(sim.Window().left);
        EXPECT_GE(sim.Window().left, 0);
        EXPECT_LE(sim.Window().right, kWidth);
        EXPECT_GE(sim.Window().top, lastTop);
        lastTop = sim.Window().top;
    }
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
    // It reached the left edge, flew right and met the right edge too.
    EXPECT_NE(std::find(xs.begin(), xs.end(), 0), xs.end());
    EXPECT_NE(std::find(xs.begin(), xs.end(), kWidth - kSize), xs.end());
}

TEST_F(DragDrop, AReleaseOffTheDesktopIsPutBackInside) {
    // Left edge off the screen, bottom far below the ground: left 0, top G - h + 30.
    DragTo(-5, 900);
    Release();
    EXPECT_EQ(Corner(), (Point{0, kGround - kSize + 30}));
    sim.RunFor(50);
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
    EXPECT_EQ(LastAction(), 100);

    // Above the desktop and past the right edge: top 0 and right at W, then it falls.
    DragTo(kWidth - 5, -40);
    Release();
    EXPECT_EQ(Corner(), (Point{kWidth - kSize, 0}));
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDropped);
    StepsToGround(50);
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
}

TEST_F(DragDrop, AWindowWithinTheMarginIsLeftWhereItIs) {
    DragTo(kWidth - kSize, kGround - kSize + 30);
    Release();
    EXPECT_EQ(sim.Window().left, kWidth - kSize);
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
}

TEST_F(DragDrop, AQuickReleaseIsADropNotAThrowFromAnOldSample) {
    // A release in the same millisecond as the click has no sample of this drag yet.
    DragTo(400, 300);
    Release();
    StepsToGround(50);
    sim.desktop->screen().SetCursorPos({900, 20});
    PickUp();
    Release();
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kDropped);
}

// During the outings (300..399) and the chase games the pet is not picked up.
TEST_F(DragDrop, ClicksDuringOutingsAndChaseGamesDoNotDragThePet) {
    for (int action : {ActionId::kNeedsHighestFirst, ActionId::kTag, ActionId::kFastTag}) {
        sim.StartAction(action);
        Rect before = sim.Window();
        Point cursor = sim.desktop->screen().GetCursorPos();
        PickUp();
        EXPECT_FALSE(sim.dialog().dragging()) << action;
        EXPECT_NE(sim.pet().Engine().GetActionId(), ActionId::kDragged) << action;
        EXPECT_EQ(sim.desktop->screen().GetCursorPos(), cursor) << action;
        if (action == ActionId::kNeedsHighestFirst) {
            EXPECT_EQ(sim.pet().Engine().GetActionId(), action);
            EXPECT_EQ(sim.Window(), before);
        }
    }
}

TEST_F(DragDrop, EveryCaptureChangeCorrectsTheEdgesButOnlyADragDrops) {
    sim.desktop->window().Move(-30, 10);
    sim.dialog().OnCaptureChanged();
    EXPECT_EQ(Corner(), (Point{0, 10}));
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kFirst);
}

}  // namespace
}  // namespace nuv::test
