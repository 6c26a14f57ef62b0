// Walking, running, hopping, leaping and gliding along the simulated desktop.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

constexpr int kGround = 738, kWidth = 1024, kSize = 20, kStand = kGround - kSize + 30;

class Movements : public ::testing::Test {
  protected:
    // Starts `pet` with the window's left edge at `left`, on the ground, in action `id`.
    void StartIn(TinyPet pet, int id, int left) {
        sim.reset();  // one harness at a time: each installs its files and clock
        sim = std::make_unique<SimHarness>(pet, SimHarness::DefaultOptions(true));
        ASSERT_TRUE(sim->Start());
        sim->desktop->window().Move(left, kStand);
        sim->StartAction(id);
    }
    // Runs timer-2 ticks until the action changes (at most `limit` ticks); the window's place
    // after each tick.
    std::vector<Point> TicksWhile(int id, int limit = 1000) {
        std::vector<Point> places;
        for (int i = 0; i < limit && sim->pet().Engine().GetActionId() == id; ++i) {
            sim->RunFor(120);
            places.push_back({sim->Window().left, sim->Window().top});
        }
        return places;
    }
    std::vector<Point> Ticks(int count) {
        std::vector<Point> places;
        for (int i = 0; i < count; ++i) {
            sim->RunFor(120);
            places.push_back({sim->Window().left, sim->Window().top});
        }
        return places;
    }
    const SimEvent& LastAction() { return sim->report.events[LastActionIndex()]; }
    std::size_t LastActionIndex() {
        for (std::size_t i = sim->report.events.size(); i-- > 0;) {
            if (sim->report.events[i].name == "action") return i;
        }
        return 0;
    }

    std::unique_ptr<SimHarness> sim;
};

// Walks step 6 px a tick and runs 20; the last step is shortened to the edge, the turn plays
// on the spot and the mirrored action goes on from there.
TEST_F(Movements, WalksAndRunsTurnAtTheEdgeIntoTheirMirroredAction) {
    struct Case {
        int id, animation, left, first, edge, turned, after;
    };
    constexpr int kRight = kWidth - kSize;
    const Case cases[] = {
        {ActionId::kWalkLeft, 0, 7, 1, 0, ActionId::kWalkRight, 5},
        {ActionId::kWalkRight, 0, kRight - 7, kRight - 2, kRight, ActionId::kWalkLeft, kRight - 6},
        {ActionId::kRunLeft, 17, 25, 5, 0, ActionId::kRunRight, 20},
        {ActionId::kRunRight, 18, kRight - 25, kRight - 5, kRight, ActionId::kRunLeft, kRight - 20},
    };
    for (const Case& c : cases) {
        TinyPet pet;
        if (c.animation) pet.Action(c.id).animations = {c.animation};
        StartIn(pet, c.id, c.left);
        std::vector<Point> places = TicksWhile(c.id);
        ASSERT_EQ(places.size(), 4u) << c.id;
        EXPECT_EQ(places[0].x, c.first) << c.id;
        EXPECT_EQ(places[1].x, c.edge) << c.id;
        EXPECT_EQ(places[3].x, c.edge) << c.id;
        EXPECT_EQ(LastAction()["id"], c.turned);
        EXPECT_EQ(LastAction()["prev"], c.id);
        EXPECT_EQ(Ticks(1)[0], (Point{c.after, kStand})) << c.id;
    }
}

TEST_F(Movements, ThePairOfWalksSharesOneClock) {
    TinyPet pet;
    pet.Action(ActionId::kWalkLeft).duration = 30;
    pet.Action(ActionId::kWalkRight).duration = 30;
    StartIn(pet, 140, 100);
    uint64_t start = sim->desktop->Now();
    int turns = 0;
    for (int i = 0; i < 1000; ++i) {
        int id = sim->pet().Engine().GetActionId();
        if (id != 140 && id != 141) break;
        sim->RunFor(120);
        if (sim->pet().Engine().GetActionId() != id) ++turns;
        EXPECT_GE(sim->Window().left, 0);
        EXPECT_LE(sim->Window().right, kWidth);
    }
    EXPECT_GE(turns, 2);  // the walks turned at an edge or at random, then the time was up
    uint64_t walked = sim->desktop->Now() - start;
    EXPECT_GE(walked, 30000u);
    EXPECT_LT(walked, 31000u);
}

TEST_F(Movements, TheRunHopsGo135PixelsUpAndDown) {
    TinyPet pet;
    pet.Action(ActionId::kRunLeft).animations = {21, 23, 25};
    StartIn(pet, 142, 500);
    std::vector<Point> places = Ticks(14);
    std::vector<int> ups;
    int top = kStand;
    for (Point p : places) {
        ups.push_back(top - p.y);
        top = p.y;
        EXPECT_EQ(p.x, 500);
    }
    EXPECT_EQ(ups, (std::vector<int>{15, 20, 25, 30, 25, 20, 0, 0, -20, -25, -30, -25, -20, -15}));
    EXPECT_EQ(places[6].y, kStand - 135);
    EXPECT_EQ(places[13].y, kStand);
}

TEST_F(Movements, TheRunsInsertHopsAndDashesAndComeBackFromThem) {
    TinyPet pet;
    pet.Action(ActionId::kRunLeft).animations = {17};
    pet.Action(ActionId::kRunRight).animations = {18};
    pet.Action(ActionId::kRunLeft).duration = pet.Action(ActionId::kRunRight).duration = 120;
    StartIn(pet, 142, 500);
    for (int i = 0; i < 2000; ++i) {
        int id = sim->pet().Engine().GetActionId();
        if (id != 142 && id != 143) break;
        sim->RunFor(120);
    }
    std::vector<SimEvent> ticks = sim->report.Named("tick");
    auto anim = [&ticks](std::size_t i) { return i < ticks.size() ? int(ticks[i]["anim"]) : -1; };
    int hops = 0, dashes = 0;
    for (std::size_t i = 1; i + 17 < ticks.size(); ++i) {
        int first = anim(i);
        if ((first == 21 || first == 22) && anim(i - 1) != first) {
            ++hops;
            bool left = first == 21;
            std::vector<int> expected(7, first);
            expected.insert(expected.end(), 7, left ? 23 : 24);
            expected.insert(expected.end(), 2, left ? 25 : 26);
            std::vector<int> seen;
            for (std::size_t k = i; k < i + 16; ++k)
                seen.push_back(anim(k));
            EXPECT_EQ(seen, expected) << "tick " << i;
            if (anim(i + 16) != 118 && anim(i + 16) != 60) {
                EXPECT_EQ(anim(i + 16), left ? 17 : 18) << "tick " << i;
            }
            EXPECT_EQ(ticks[i + 15]["y"], kStand);
        }
        if ((first == 19 || first == 20) && anim(i - 1) != first) {
            ++dashes;
            // The dash's end pauses the program for half a second.
            EXPECT_EQ(ticks[i + 2].t - ticks[i + 1].t, 620u) << "tick " << i;
        }
    }
    EXPECT_GE(hops, 10);
    EXPECT_GE(dashes, 5);
}

TEST_F(Movements, ARunEndsWithItsClosingAnimation) {
    for (int id : {142, 143}) {
        TinyPet pet;
        pet.Action(id).animations = {id == ActionId::kRunLeft ? 17 : 18};
        pet.Action(id).duration = 2;
        StartIn(pet, id, 400);
        std::size_t first = sim->report.events.size();
        TicksWhile(id, 400);
        ASSERT_NE(sim->pet().Engine().GetActionId(), id);
        int lastAnim = -1;
        for (std::size_t i = first; i < LastActionIndex(); ++i) {
            const SimEvent& e = sim->report.events[i];
            if (e.name == "tick") lastAnim = int(e["anim"]);
        }
        EXPECT_EQ(lastAnim, id == ActionId::kRunLeft ? 118 : 60) << id;
        for (const SimEvent& e : sim->report.Named("tick")) {
            EXPECT_GE(e["x"], 0);
            EXPECT_LE(e["x"] + kSize, kWidth);
        }
    }
}

TEST_F(Movements, TheHopInPlaceComesBackToItsHeightAndEndsWithItsList) {
    TinyPet pet;
    pet.Action(150).animations = {78};
    pet.Action(150).duration = 100;   // not waited for: the list's end ends the action
    pet.animations[78].push_back(1);  // a frame beyond the hop's steps: no move
    StartIn(pet, 150, 300);
    std::vector<Point> places = TicksWhile(150);
    ASSERT_EQ(places.size(), 14u);
    EXPECT_EQ(places[5].y, kStand - 30);
    EXPECT_EQ(places[6].y, kStand - 45);
    EXPECT_EQ(places[8].y, kStand);
    EXPECT_EQ(places[12].y, kStand);
    EXPECT_EQ(places[13].y, kStand);
    EXPECT_EQ(LastAction()["id"], 100);
}

TEST_F(Movements, TheLeapMoves120PixelsLeftUnlessTheEdgeStopsIt) {
    TinyPet pet;
    pet.Action(150).animations = {66};
    StartIn(pet, 150, 300);
    std::vector<Point> places = TicksWhile(150);
    ASSERT_EQ(places.size(), 16u);
    EXPECT_EQ(places[14].x, 180);
    EXPECT_EQ(places[8].x, 240);

    StartIn(pet, 150, 50);
    places = TicksWhile(150);
    EXPECT_EQ(places.back().x, 0);
    for (Point p : places)
        EXPECT_GE(p.x, 0);
}

// A glide drifts 4 px a tick; a side edge turns it back and never holds it in the air. Seed 305
// draws 200 while gliding down, the lowest draw of the fall's chance: a fall from 14 px a tick.
TEST_F(Movements, AGlideStaysOnTheDesktopAndLandsOnTheGround) {
    for (Point start : {Point{500, kStand}, Point{30, kStand}, Point{500, kStand - 3}}) {
        for (uint32_t seed : {1u, 2u, 3u, 4u, 5u, 305u}) {
            TinyPet pet;
            SimOptions options = SimHarness::DefaultOptions(true);
            options.seed = seed;
            sim.reset();
            sim = std::make_unique<SimHarness>(pet, options);
            ASSERT_TRUE(sim->Start());
            sim->desktop->window().Move(start.x, start.y);
            sim->StartAction(ActionId::kGlide);
            std::vector<Point> places = TicksWhile(144, 5000);
            ASSERT_NE(sim->pet().Engine().GetActionId(), ActionId::kGlide) << seed;
            EXPECT_EQ(sim->Window().top, kStand) << seed;
            int highest = kStand, drift = 0, still = 0, longestStill = 0;
            std::vector<int> sinks;
            std::size_t landing = 0;  // ticks after the last sink
            for (std::size_t i = 0; i < places.size(); ++i) {
                Point p = places[i];
                bool held = i > 0 && p.x == places[i - 1].x && p.y == places[i - 1].y;
                still = held && p.y < kStand ? still + 1 : 0;
                longestStill = std::max(longestStill, still);
                EXPECT_GE(p.x, 0);
                EXPECT_LE(p.x + kSize, kWidth);
                EXPECT_GE(p.y, 0);
                EXPECT_LE(p.y, kStand + 1);  // a falling step may end one pixel low for one tick
                highest = std::min(highest, p.y);
                if (i > 0) drift = std::max(drift, std::abs(p.x - places[i - 1].x));
                if (i > 0 && p.y > places[i - 1].y)
                    sinks.push_back(p.y - places[i - 1].y), landing = 0;
                else
                    ++landing;
            }
            EXPECT_LT(highest, kStand - 40) << seed;  // it did fly
            EXPECT_LE(drift, 4) << seed;
            EXPECT_LE(longestStill, 20) << seed;  // the longest pause between moves is 16 ticks
            if (!sinks.empty() && sinks.back() == 4) {
                EXPECT_EQ(landing, 4u) << seed;  // reached gliding: lands at once
            }
            if (seed == 305 && start.y == kStand) {
                EXPECT_EQ(sinks,
                          (std::vector<int>{10, 4, 4, 4, 4, 14, 16, 18, 20, 22, 24, 26, 28, 30}));
            }
        }
    }
}

}  // namespace
}  // namespace nuv::test
