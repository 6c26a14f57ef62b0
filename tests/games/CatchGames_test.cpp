// Catching the cursor (145, 510, 520): chase, jump, hang, fall, landing and the rewards.

#include <gtest/gtest.h>

#include <algorithm>

#include "games/GameScene.h"
#include "script/PetIds.h"

namespace nuv::test {
namespace {

// The pet stands at left 246, top 748 (bottom G + 30 = 768), 20 x 20; its centre is x 256.
// The cursor is in reach when the pet's top is at most G / 2 - 20 - 30 = 319 px below it.
constexpr int kPetTop = 748;
constexpr int kReach = 738 / 2 - 20 - 30;

bool Hanging(const TickState& s) {
    return s.hook;
}

// Starts the pet and `game` with the cursor right above it; ticks until the pet hangs on it.
bool StartHanging(GameScene& scene, int game) {
    if (!scene.Start()) return false;
    scene.MoveCursor(scene.CentreX(), 700);
    scene.StartGame(game);
    return scene.TickUntil(Hanging, 30);
}

TEST(CatchTheCursor, CursorRightAboveTheCentreNeedsNoApproachStep) {
    GameScene scene(GamePet(145, 10));
    ASSERT_TRUE(scene.Start());
    Rect start = scene.sim.Window();
    scene.MoveCursor(scene.CentreX(), 700);
    scene.StartGame(ActionId::kCatchCursor);
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.animation == 72; }, 20));
    EXPECT_FALSE(scene.Played(17));
    EXPECT_FALSE(scene.Played(18));
    for (const TickState& s : scene.ticks)
        EXPECT_EQ(Box(s.window), Box(start));
}

TEST(CatchTheCursor, ApproachGoesInStepsOfTwentyAndTheRestUnderTheCursor) {
    struct Case {
        int offset;
        int chase;
        std::vector<int> steps;
    };
    for (const Case& c : {Case{50, 18, {20, 20, 10}}, Case{-45, 17, {-20, -20, -5}}}) {
        GameScene scene(GamePet(145, 10));
        ASSERT_TRUE(scene.Start());
        int left = scene.sim.Window().left;
        scene.MoveCursor(scene.CentreX() + c.offset, 700);
        scene.StartGame(ActionId::kCatchCursor);
        ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.animation == 72; }, 30));
        EXPECT_EQ(scene.HorizontalSteps(0, left), c.steps) << c.offset;
        EXPECT_TRUE(scene.Played(c.chase)) << c.offset;
        EXPECT_EQ(scene.CentreX(), 256 + c.offset);
    }
}

TEST(CatchTheCursor, CursorOutOfReachMakesThePetLookUpInsteadOfJumping) {
    GameScene far(GamePet(145, 10));
    ASSERT_TRUE(far.Start());
    far.MoveCursor(far.CentreX(), kPetTop - kReach - 1);
    far.StartGame(ActionId::kCatchCursor);
    for (int i = 0; i < 40; ++i)
        far.Tick();
    EXPECT_FALSE(far.Played(72));
    int looks = 0;
    for (std::size_t i = 1; i < far.ticks.size(); ++i) {
        if (far.ticks[i].animation == 70 && far.ticks[i - 1].animation == 71) ++looks;
        EXPECT_EQ(far.ticks[i].window.top, kPetTop);
    }
    EXPECT_GE(looks, 5);

    GameScene near(GamePet(145, 10));
    ASSERT_TRUE(near.Start());
    near.MoveCursor(near.CentreX(), kPetTop - kReach);
    near.StartGame(ActionId::kCatchCursor);
    EXPECT_TRUE(near.TickUntil([](const TickState& s) { return s.animation == 72; }, 10));
}

TEST(CatchTheCursor, MissedJumpComesBackToTheGroundAndLooksAgain) {
    GameScene scene(GamePet(145, 10));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(scene.CentreX(), 600);  // in reach, above the jump's highest point
    scene.StartGame(ActionId::kCatchCursor);
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.animation == 121; }, 40));
    std::size_t jump = 0;
    while (scene.ticks[jump].subState != 5)
        ++jump;
    EXPECT_EQ(scene.VerticalSteps(jump), (std::vector<int>{-20, -35, -25, -20, 20, 35, 25, 20}));
    EXPECT_EQ(scene.ticks.back().window.top, kPetTop);
    EXPECT_EQ(scene.ticks.back().subState, 0);
    EXPECT_FALSE(scene.sim.desktop->HookInstalled());
    EXPECT_TRUE(scene.TickUntil([](const TickState& s) { return s.animation == 72; }, 20));
}

TEST(CatchTheCursor, HangingPetIsCarriedByTheCursorUntilTheTimeIsUpThenFallsToTheGround) {
    GameScene scene(GamePet(145, 4));
    ASSERT_TRUE(StartHanging(scene, ActionId::kCatchCursor));
    EXPECT_EQ(scene.ticks.back().animation, 74);
    EXPECT_TRUE(scene.sim.desktop->HookInstalled());
    EXPECT_TRUE(scene.Events("cursor").empty());  // 145 keeps the user's cursors

    scene.MoveCursor(500, 100);
    EXPECT_EQ(Box(scene.sim.Window()), (std::vector<int>{490, 100, 510, 120}));
    scene.MoveCursor(600, 60);
    EXPECT_EQ(Box(scene.sim.Window()), (std::vector<int>{590, 60, 610, 80}));
    // A screen left of the main one: negative coordinates stay negative.
    scene.sim.dialog().OnHookMessage(4, intptr_t(uint32_t(50) << 16 | uint16_t(-30)));
    EXPECT_EQ(Box(scene.sim.Window()), (std::vector<int>{-40, 50, -20, 70}));
    scene.MoveCursor(600, 60);

    std::size_t hung = scene.ticks.size();
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return !s.hook; }, 100));
    EXPECT_GE(scene.Now(), 4000u);  // held on until the time was up
    for (std::size_t i = hung; i + 1 < scene.ticks.size(); ++i) {
        EXPECT_EQ(scene.ticks[i].window.top, 60);
    }
    std::size_t released = scene.ticks.size() - 1;
    ASSERT_TRUE(scene.TickUntilAction(100, 40));
    // 20, 30, 40, ... and the last step only as far as the ground.
    EXPECT_EQ(scene.VerticalSteps(released),
              (std::vector<int>{20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 38}));
    for (const TickState& s : scene.ticks)
        EXPECT_LE(s.window.bottom, 738 + 30);
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);
    EXPECT_EQ(scene.sim.Window().left, 590);
}

TEST(CatchTheCursor, PetCarriedBelowTheGroundComesUpToItWhenReleased) {
    GameScene scene(GamePet(145, 2));
    ASSERT_TRUE(StartHanging(scene, ActionId::kCatchCursor));
    scene.MoveCursor(500, 760);  // the pet's bottom at 780, below G + 30
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return !s.hook; }, 100));
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);
    EXPECT_EQ(scene.ticks.back().subState, 8);
}

TEST(CatchTheCursor, CarryGameRewardsTheCatchAndSaysSoAfterTheLanding) {
    GameScene scene(GamePet(510, 30));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(scene.CentreX() + 50, 700);
    scene.StartGame(ActionId::kCatchAndCarry);
    ASSERT_TRUE(scene.TickUntil(Hanging, 30));
    EXPECT_EQ(scene.State().PetS0, 9000 + 11);  // the effects come with the catch
    EXPECT_EQ(scene.State().PetPoint, 5);
    EXPECT_EQ(scene.ticks.back().animation, 123);

    scene.MoveCursor(600, 60);
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return !s.hook; }, 20));
    EXPECT_LT(scene.Now(), 30000u);  // released once the hang animations have played
    EXPECT_TRUE(scene.Played(124));
    std::size_t released = scene.ticks.size() - 1;
    EXPECT_EQ(scene.ticks[released].animation, 125);
    ASSERT_TRUE(scene.TickUntilAction(610, 60));
    EXPECT_EQ(scene.VerticalSteps(released),
              (std::vector<int>{20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 38}));
    EXPECT_TRUE(scene.Played(126));
    EXPECT_TRUE(scene.Played(127));
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);

    EXPECT_EQ(scene.Values("balloon", "kind"), (std::vector<int>{2}));
    EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"Caught 11 5"}));
    EXPECT_EQ(scene.Texts("cursor"),
              (std::vector<std::string>{".\\PETS\\C0.CUR", "null", "resource:168", "null"}));
    EXPECT_EQ(scene.Actions(), (std::vector<int>{510, 610}));
}

TEST(CatchTheCursor, FallAnimationGoesOnFromItsThirdFrameAndAlwaysShowsAFrame) {
    for (int frames : {4, 2}) {
        TinyPet pet = GamePet(510, 30);
        pet.animations[125] = std::vector<int>(frames, 9);
        GameScene scene(pet);
        ASSERT_TRUE(StartHanging(scene, ActionId::kCatchAndCarry));
        scene.MoveCursor(500, 0);  // a long fall
        ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.animation == 125; }, 20));
        std::vector<int> positions;
        int shapes = scene.sim.desktop->ShapeChanges();
        int ticks = 0;
        while (scene.Tick().animation == 125) {
            positions.push_back(scene.ticks.back().framePos);
            ++ticks;
        }
        EXPECT_EQ(scene.sim.desktop->ShapeChanges() - shapes, ticks + 1) << frames;
        if (frames == 4) {
            EXPECT_EQ(std::vector<int>(positions.begin(), positions.begin() + 6),
                      (std::vector<int>{1, 2, 3, 2, 3, 2}));
        }
    }
}

// Caught at 1.08 s of a 1 s game: the hang ends in the fall (125), the game still ends in full.
TEST(CatchTheCursor, GameWhoseTimeRanOutDuringTheHangFallsAndStillEnds) {
    struct Case {
        int game, next;
        const char* balloon;
    };
    for (const Case& c : {Case{510, 610, "Caught 11 5"}, Case{520, 620, "Walked 12 5"}}) {
        GameScene scene(GamePet(c.game, 1));
        ASSERT_TRUE(StartHanging(scene, c.game));
        ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return !s.hook; }, 20));
        EXPECT_EQ(scene.ticks.back().animation, 125) << c.game;
        EXPECT_TRUE(scene.TickUntilAction(c.next, 60)) << c.game;
        EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{c.balloon}));
    }
}

TEST(CatchTheCursor, BounceWalkAfterTheCatchTurnsAtTheEdgeAndEndsWithItsBalloon) {
    TinyPet pet = GamePet(520, 30);
    pet.animations[120] = std::vector<int>(40, 7);
    GameScene scene(pet);
    ASSERT_TRUE(StartHanging(scene, ActionId::kCatchAndBounce));
    EXPECT_EQ(scene.ticks.back().animation, 137);
    EXPECT_EQ(scene.State().PetS1, 9000);  // nothing yet
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return !s.hook; }, 20));
    EXPECT_EQ(scene.ticks.back().animation, 139);  // the hang ended in time
    ASSERT_TRUE(scene.TickUntilStage(9, 20));
    EXPECT_EQ(scene.State().PetS1, 9000 + 12);  // the effects come with the landing
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);

    std::size_t walk = scene.ticks.size();
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.animation == 122; }, 60));
    std::vector<int> dx, dy;
    for (std::size_t i = walk; i < scene.ticks.size(); ++i) {
        if (scene.ticks[i].animation != 120) continue;
        dx.push_back(scene.ticks[i].window.left - scene.ticks[i - 1].window.left);
        dy.push_back(scene.ticks[i].window.top - scene.ticks[i - 1].window.top);
    }
    // From left 246: 24 steps of -10, the rest to the edge, then right, bouncing 9 steps.
    // The landing showed the first of the 40 frames; 39 steps follow.
    std::vector<int> wantX(24, -10), wantY(24, 0);
    wantX.push_back(-6);
    wantX.resize(39, 10);
    for (int step : {-15, -20, -15, -10, 0, 10, 15, 20, 15})
        wantY.push_back(step);
    wantY.resize(39, 0);
    EXPECT_EQ(dx, wantX);
    EXPECT_EQ(dy, wantY);
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);

    ASSERT_TRUE(scene.TickUntilAction(620, 10));
    EXPECT_EQ(scene.Values("balloon", "kind"), (std::vector<int>{2}));
    EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"Walked 12 5"}));
    EXPECT_EQ(scene.Texts("cursor"),
              (std::vector<std::string>{".\\PETS\\C4.CUR", "null", "resource:168", "null"}));
}

TEST(CatchTheCursor, AnotherActionEndsTheHang) {
    GameScene scene(GamePet(510, 30));
    ASSERT_TRUE(StartHanging(scene, ActionId::kCatchAndCarry));
    scene.mark = scene.sim.report.events.size();
    scene.sim.Input(SimInput::kCommand, CommandId::kStroke);
    EXPECT_FALSE(scene.sim.desktop->HookInstalled());
    EXPECT_FALSE(scene.sim.pet().Engine().hookActive());
    EXPECT_EQ(scene.sim.pet().Engine().GetActionId(), ActionId::kStroke);
    EXPECT_EQ(scene.Texts("cursor"), (std::vector<std::string>{"null", ".\\PETS\\C3.CUR"}));
    Rect before = scene.sim.Window();
    scene.MoveCursor(700, 300);
    EXPECT_EQ(Box(scene.sim.Window()), Box(before));
}

TEST(CatchTheCursor, BounceCutShortLeavesTheNextBounceWalkOnTheGround) {
    TinyPet pet = GamePet(520, 60);
    pet.animations[120] = std::vector<int>(40, 7);
    GameScene scene(pet);
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(scene.CentreX(), 700);
    scene.StartGame(ActionId::kCatchAndBounce);
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.window.left == 0; }, 100));
    scene.Tick();
    scene.Tick();  // two steps into the bounce
    scene.sim.Input(SimInput::kCommand, CommandId::kStroke);
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);

    scene.MoveCursor(scene.CentreX(), 700);
    scene.StartGame(ActionId::kCatchAndBounce);
    ASSERT_TRUE(scene.TickUntilStage(9, 60));
    ASSERT_TRUE(scene.TickUntilAction(620, 80));
    int lowest = 0;
    for (const TickState& s : scene.ticks)
        lowest = std::max(lowest, s.window.bottom);
    EXPECT_EQ(lowest, 738 + 30);
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);
}

TEST(CatchTheCursor, CursorBeyondTheDesktopIsFollowedOnlyToTheEdge) {
    GameScene scene(GamePet(145, 20));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(1100, 700);
    scene.StartGame(ActionId::kCatchCursor);
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.window.right == 1024; }, 100));
    for (int i = 0; i < 20; ++i)
        EXPECT_LE(scene.Tick().window.right, 1024);
}

}  // namespace
}  // namespace nuv::test
