// Stroking (530), tag (540) and fast tag (550): counts, clicks, flight and rewards.

#include <gtest/gtest.h>

#include "games/GameScene.h"
#include "script/PetIds.h"

namespace nuv::test {
namespace {

bool Stroked(GameScene& scene, int strokes) {
    scene.StartGame(ActionId::kStroke);
    for (int i = 0; i < strokes; ++i)
        scene.sim.Input(SimInput::kSetCursor);
    return scene.TickUntil([](const TickState& s) { return s.action != ActionId::kStroke; }, 40);
}

TEST(Stroke, FortySixStrokesWinTheRewardAndItsBalloonFortyFiveDoNot) {
    for (int strokes : {45, 46}) {
        bool won = strokes == 46;
        GameScene scene(GamePet(530, 2));
        ASSERT_TRUE(scene.Start());
        ASSERT_TRUE(Stroked(scene, strokes));
        EXPECT_EQ(scene.Actions(), (std::vector<int>{530, won ? 630 : 100}));
        std::vector<SimEvent> balloons = scene.Events("balloon");
        ASSERT_EQ(balloons.size(), won ? 1u : 0u);
        if (won) {
            EXPECT_EQ(balloons[0]["kind"], 2);
            EXPECT_EQ(balloons[0].texts[0], "Stroked 13 5");
        }
        EXPECT_EQ(scene.State().PetS2, won ? 9013 : 9000);
        EXPECT_EQ(scene.State().PetPoint, won ? 5 : 0);
        EXPECT_EQ(scene.Texts("cursor"), (std::vector<std::string>{".\\PETS\\C3.CUR", "null"}));
    }
}

TEST(Stroke, EachStrokePlaysTheStrokeAnimationOnceAndOnlyDuringTheGame) {
    GameScene scene(GamePet(530, 10));
    ASSERT_TRUE(scene.Start());
    scene.sim.Input(SimInput::kSetCursor);  // not stroking yet: nothing counts
    scene.StartGame(ActionId::kStroke);
    scene.Tick();
    scene.sim.Input(SimInput::kSetCursor);
    EXPECT_EQ(scene.sim.pet().Engine().subState(), 1);
    EXPECT_EQ(scene.Tick().animation, 52);
    EXPECT_EQ(scene.Tick().animation, 50);  // the game's own list again
}

TEST(Tag, EveryClickAppliesTheEffectsAgainWithoutDraggingThePet) {
    GameScene scene(GamePet(540, 30));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(900, 300);  // far away: the pet stands
    scene.StartGame(ActionId::kTag);
    scene.Tick();
    Rect before = scene.sim.Window();
    scene.sim.Input(SimInput::kLButton, 5, 5);
    EXPECT_EQ(scene.Tick().animation, 130);
    scene.sim.Input(SimInput::kLButton, 5, 5);
    EXPECT_EQ(scene.State().PetS3, 9000 + 2 * 14);
    EXPECT_EQ(scene.State().PetPoint, 2 * 5);
    EXPECT_EQ(Box(scene.sim.Window()), Box(before));
    EXPECT_FALSE(scene.sim.dialog().dragging());

    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.action != ActionId::kTag; }, 10));
    EXPECT_EQ(scene.Actions(), (std::vector<int>{540, 640}));
    EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"Tagged 14 5"}));
    EXPECT_EQ(scene.Texts("cursor"),
              (std::vector<std::string>{".\\PETS\\C2.CUR", "null", "resource:168", "null",
                                        "resource:168", "null"}));
}

TEST(Tag, FastTagIsCaughtWithItsOwnAnimationAndReportsAllFiveChanges) {
    GameScene scene(GamePet(550, 30));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(900, 300);
    scene.StartGame(ActionId::kFastTag);
    scene.Tick();
    scene.sim.Input(SimInput::kLButton, 5, 5);
    EXPECT_EQ(scene.Tick().animation, 128);
    ASSERT_TRUE(
        scene.TickUntil([](const TickState& s) { return s.action != ActionId::kFastTag; }, 10));
    EXPECT_EQ(scene.Actions(), (std::vector<int>{550, 630}));
    EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"Fast 11 12 13 14 5"}));
    EXPECT_EQ(scene.Texts("cursor"),
              (std::vector<std::string>{".\\PETS\\C1.CUR", "null", "resource:168", "null"}));
}

TEST(Tag, TimeUpWithoutACatchGoesOnWithTheCursorsRestored) {
    GameScene scene(GamePet(540, 1));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(900, 300);
    scene.StartGame(ActionId::kTag);
    ASSERT_TRUE(scene.TickUntil([](const TickState& s) { return s.action != ActionId::kTag; }, 20));
    EXPECT_EQ(scene.Actions(), (std::vector<int>{540, 100}));
    EXPECT_TRUE(scene.Events("balloon").empty());
    EXPECT_EQ(scene.Texts("cursor"), (std::vector<std::string>{".\\PETS\\C2.CUR", "null"}));
}

TEST(Tag, TheMenuCommandsStartTheGameWithItsWholeTime) {
    for (int command : {CommandId::kTag, CommandId::kFastTag}) {
        int game = command == CommandId::kTag ? ActionId::kTag : ActionId::kFastTag;
        TinyPet pet = GamePet(game, 2);
        pet.Action(ActionId::kFirst).duration = 60;
        GameScene scene(pet);
        ASSERT_TRUE(scene.Start());
        scene.MoveCursor(900, 300);
        scene.sim.RunFor(5000);  // the action before has run longer than the game lasts
        scene.sim.Input(SimInput::kCommand, command);
        ASSERT_EQ(scene.Tick().action, game);
        scene.sim.RunFor(1500);
        EXPECT_EQ(scene.Tick().action, game) << command;
    }
}

TEST(Tag, ThePetRunsFromTheCursorByDistanceAndFastTagDoublesEveryStep) {
    // The pet's centre is (256, 758); W / 4 = 256, W / 8 = 128, G / 4 = 184, G / 8 = 92.
    struct Case {
        int dx, dy;     // cursor position from the pet's centre
        int animation;  // chosen when the first list ends
        int step;       // its step in tag (fast tag doubles it)
    };
    const Case cases[] = {
        {300, 0, 108, 0},   {-250, -200, 110, 0}, {150, 0, 107, -20}, {-150, 0, 109, 20},
        {0, -100, 109, 20}, {50, 0, 92, -10},     {-50, 0, 87, 10},
    };
    for (int game : {ActionId::kTag, ActionId::kFastTag}) {
        for (const Case& c : cases) {
            GameScene scene(GamePet(game, 30));
            ASSERT_TRUE(scene.Start());
            scene.MoveCursor(256 + c.dx, 758 + c.dy);
            scene.StartGame(game);
            for (int i = 0; i < 3; ++i)
                scene.Tick();  // the first list ends on the third tick
            int factor = game == ActionId::kFastTag ? 2 : 1;
            EXPECT_EQ(scene.ticks[2].animation, c.animation) << game << " " << c.dx << "," << c.dy;
            EXPECT_EQ(scene.ticks[2].window.left - 246, c.step * factor)
                << game << " " << c.dx << "," << c.dy;
        }
    }
}

TEST(Tag, NearPetStepsAwaySlowlyThenPauses) {
    GameScene scene(GamePet(540, 30));
    ASSERT_TRUE(scene.Start());
    scene.MoveCursor(256 + 50, 758);
    scene.StartGame(ActionId::kTag);
    for (int i = 0; i < 6; ++i)
        scene.Tick();
    std::vector<int> animations, lefts;
    for (std::size_t i = 2; i < 6; ++i) {
        animations.push_back(scene.ticks[i].animation);
        lefts.push_back(scene.ticks[i].window.left);
    }
    EXPECT_EQ(animations, (std::vector<int>{92, 92, 93, 93}));
    EXPECT_EQ(lefts, (std::vector<int>{236, 226, 226, 226}));
}

TEST(Tag, RunningPetStopsExactlyAtTheDesktopEdges) {
    for (int game : {ActionId::kTag, ActionId::kFastTag}) {
        for (int side : {-1, 1}) {  // the cursor on the right sends the pet left
            GameScene scene(GamePet(game, 60));
            ASSERT_TRUE(scene.Start());
            scene.StartGame(game);
            for (int i = 0; i < 80; ++i) {
                scene.MoveCursor(scene.CentreX() - side * 150, 758);
                const TickState& s = scene.Tick();
                ASSERT_GE(s.window.left, 0) << game;
                ASSERT_LE(s.window.right, 1024) << game;
            }
            if (side < 0) {
                EXPECT_EQ(scene.sim.Window().left, 0) << game;
            } else {
                EXPECT_EQ(scene.sim.Window().right, 1024) << game;
            }
        }
    }
}

TEST(SuccessBalloon, TextIsFormattedSafelyAndAMissingTextGivesNoBalloon) {
    TinyPet odd = GamePet(530, 2);
    TinyPet none = GamePet(530, 2);
    for (std::size_t i = 0; i < odd.texts.size(); ++i) {
        if (odd.texts[i].rfind("403;", 0) != 0) continue;
        odd.texts[i] = "403;%d%% of %s, %d, %n %d;";
        none.texts.erase(none.texts.begin() + long(i));
    }
    for (const TinyPet* pet : {&odd, &none}) {
        GameScene scene(*pet);
        ASSERT_TRUE(scene.Start());
        ASSERT_TRUE(Stroked(scene, 46));
        EXPECT_EQ(scene.Actions(), (std::vector<int>{530, 630}));
        EXPECT_EQ(scene.State().PetS2, 9013);
        if (pet == &odd) {
            EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"13% of %s, 5, %n %d"}));
        } else {
            EXPECT_TRUE(scene.Events("balloon").empty());
        }
    }
}

}  // namespace
}  // namespace nuv::test
