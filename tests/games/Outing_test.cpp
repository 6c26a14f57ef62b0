// The outing (301): the object window, the pet leaving and coming back with its needs met.

#include <gtest/gtest.h>

#include "formats/ComplementedFile.h"
#include "games/GameScene.h"
#include "script/PetIds.h"

namespace nuv::test {
namespace {

constexpr char kScriptPath[] = ".\\PETS\\CAT.ANI";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// Object records 3 and 4 of different places and sizes: record 3 is 40 x 30 at (120, 0),
// record 4 is 50 x 35 at (160, 40).
class OutingScene : public GameScene {
  public:
    explicit OutingScene(int seconds, const std::string& record4 = "4;50,35;160,40;0;o4;\r\n")
        : GameScene(OutingPet(seconds)) {
        std::string script =
            Replace(OutingPet(seconds).Script(), "4;40,30;160,0;0;o4;\r\n", record4);
        sim.env.files.Put(kScriptPath, Complement(script));
    }

    static TinyPet OutingPet(int seconds) {
        TinyPet pet;
        pet.Action(ActionId::kOuting).duration = seconds;
        pet.state.s0 = 1000, pet.state.s1 = 2000, pet.state.s2 = 3000, pet.state.s3 = 4000;
        return pet;
    }

    std::vector<std::vector<int>> ObjectEvents() const {
        std::vector<std::vector<int>> out;
        for (const SimEvent& e : Events("object")) {
            out.push_back({int(e["show"]), int(e["left"]), int(e["top"]), int(e["right"]),
                           int(e["bottom"]), int(e["x"]), int(e["y"])});
        }
        return out;
    }
    std::vector<int> Visibility() const { return Values("window", "visible"); }
};

TEST(Outing, PetMeetsTheObjectLeavesAndComesBackToTheMiddleWithItsNeedsMet) {
    OutingScene scene(20);
    ASSERT_TRUE(scene.Start());
    scene.StartGame(ActionId::kOuting);
    ASSERT_TRUE(scene.TickUntilStage(3, 40));
    EXPECT_EQ(scene.sim.Window().left, 0);  // walked to the edge in steps of 10, then 6
    EXPECT_EQ(scene.HorizontalSteps(0, 246).back(), -6);
    EXPECT_EQ(scene.ticks.back().animation, 84);
    scene.sim.Input(SimInput::kLButton, 5, 5);  // clicks do not pick the pet up
    EXPECT_FALSE(scene.sim.dialog().dragging());

    ASSERT_TRUE(scene.TickUntilStage(6, 200));
    EXPECT_TRUE(scene.Played(85));
    EXPECT_TRUE(scene.Played(86));
    EXPECT_EQ(scene.Visibility(), (std::vector<int>{0}));
    EXPECT_LT(scene.Now(), 20000u);
    EXPECT_EQ(scene.sim.Window().left, -20 + 10);  // moved out of sight, then one step

    ASSERT_TRUE(scene.TickUntilStage(7, 200));
    EXPECT_GE(scene.Now(), 20000u);  // away until the time is up
    EXPECT_EQ(scene.Visibility(), (std::vector<int>{0, 1}));
    ASSERT_TRUE(scene.TickUntilAction(100, 100));
    // Steps of 10 from -10 up to the first place whose next step reaches (1024 - 20) / 2.
    EXPECT_EQ(scene.sim.Window().left, 500);
    EXPECT_EQ(scene.sim.Window().bottom, 738 + 30);

    // Shown at (0, G - height of record 3), first with record 4's place and record 3's size,
    // then with record 3's place and record 4's size; gone when the pet comes back.
    EXPECT_EQ(scene.ObjectEvents(), (std::vector<std::vector<int>>{{1, 160, 40, 200, 70, 0, 708},
                                                                   {1, 120, 0, 170, 35, 0, 708},
                                                                   {0, 120, 0, 170, 35, 0, 708}}));
    const PetInfos& s = scene.State();
    EXPECT_EQ(std::vector<int>({s.PetS0, s.PetS1, s.PetS2, s.PetS3}),
              std::vector<int>({5000, 5000, 5000, 5000}));
    // Saved by the next action, not before.
    std::vector<SimEvent> saves = scene.Events("save");
    ASSERT_EQ(saves.size(), 2u);  // the outing's start and the next action's
    EXPECT_EQ(saves[1].t, scene.Events("action")[1].t);
    std::string state = Complement(scene.sim.env.files.Get(".\\DATA\\CAT.CFG"));
    EXPECT_NE(state.find("PetS0;5000\r\n"), std::string::npos);
    EXPECT_NE(state.find("PetS3;5000\r\n"), std::string::npos);
}

TEST(Outing, OutingWhoseTimeRunsOutOnTheWayStillGoesToTheEnd) {
    OutingScene scene(1);
    ASSERT_TRUE(scene.Start());
    scene.StartGame(ActionId::kOuting);
    ASSERT_TRUE(scene.TickUntilAction(100, 400));
    EXPECT_EQ(scene.ObjectEvents().size(), 3u);
    EXPECT_EQ(scene.Visibility(), (std::vector<int>{0, 1}));
    EXPECT_EQ(scene.State().PetS0, 5000);
}

TEST(Outing, AnotherActionTakesTheObjectAwayAndShowsThePet) {
    OutingScene scene(60);
    ASSERT_TRUE(scene.Start());
    scene.StartGame(ActionId::kOuting);
    ASSERT_TRUE(scene.TickUntilStage(6, 300));
    scene.sim.Input(SimInput::kCommand, CommandId::kTag);
    EXPECT_EQ(scene.sim.pet().Engine().GetActionId(), ActionId::kTag);
    EXPECT_EQ(scene.ObjectEvents().back()[0], 0);
    EXPECT_EQ(scene.Visibility(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(scene.sim.desktop->Visible());
    EXPECT_GE(scene.sim.Window().left, 0);  // back on the screen, not where it hid
}

TEST(Outing, ObjectPiecesNoPictureCanHoldLeaveTheObjectWithoutPicture) {
    struct Case {
        const char* record4;
        const char* log;
    };
    const Case cases[] = {
        {"4;16000,16000;160,40;0;o4;\r\n",
         "CObjectWnd::SetObject() - 16000x16000 조각이 .\\PETS\\OBJ.BCF 그림(300x520)보다 큽니다."},
        {"4;2147483647,2147483647;2147483647,2147483647;0;o4;\r\n",
         "CObjectWnd::SetObject() - .\\PETS\\OBJ.BCF 그림의 (2147483647,2147483647)-"
         "(2147483647,2147483647) 조각은 그릴 수 없습니다."},
    };
    for (const Case& c : cases) {
        OutingScene scene(1, c.record4);
        ASSERT_TRUE(scene.Start());
        scene.StartGame(ActionId::kOuting);
        ASSERT_TRUE(scene.TickUntilAction(100, 400)) << c.record4;
        EXPECT_TRUE(scene.sim.env.log.Contains(c.log)) << c.record4;
        EXPECT_EQ(scene.State().PetS0, 5000);  // the outing went on without its picture
    }
}

TEST(Outing, PetWithoutTheObjectRecordsGoesOnAtOnce) {
    OutingScene scene(20, "");
    ASSERT_TRUE(scene.Start());
    ASSERT_EQ(scene.sim.pet().Objects().records.size(), 4u);
    scene.StartGame(ActionId::kOuting);
    scene.Tick();
    EXPECT_EQ(scene.Actions(), (std::vector<int>{301, 100}));
    EXPECT_TRUE(scene.Events("object").empty());
    EXPECT_TRUE(scene.sim.desktop->Visible());
}

}  // namespace
}  // namespace nuv::test
