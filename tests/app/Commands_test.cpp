// Menu commands, keys and tray notifications of the main window, and the two ways to end.

#include <gtest/gtest.h>

#include <tuple>

#include "formats/ComplementedFile.h"
#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

constexpr int kGround = 738, kSize = 20;

std::string StateFile(SimHarness& sim, const std::string& name = "CAT") {
    return Complement(sim.env.files.Get(".\\DATA\\" + name + ".CFG"));
}

std::string CommonFile(SimHarness& sim) {
    return Complement(sim.env.files.Get(".\\DATA\\PET.CFG"));
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A pet whose first action raises it a level, so that a balloon is open after the start.
TinyPet LevelUpPet() {
    TinyPet pet;
    pet.Action(ActionId::kFirst).deltaPoint = 100;
    return pet;
}

TEST(Commands, ExitSavesBothFilesThenShowsTheEndPictureAndEnds) {
    SimOptions options = SimHarness::DefaultOptions();
    options.name = "Bori";
    SimHarness sim(TinyPet(), options);
    ASSERT_TRUE(sim.Start());
    sim.RunFor(5000);
    sim.Input(SimInput::kCommand, CommandId::kRename);  // renamed in memory only
    EXPECT_FALSE(Has(StateFile(sim), "PetName;Bori\r\n"));
    std::size_t before = sim.report.events.size();
    uint64_t now = sim.desktop->Now();
    sim.Input(SimInput::kCommand, CommandId::kExit);

    EXPECT_TRUE(Has(StateFile(sim), "PetName;Bori\r\n"));
    EXPECT_TRUE(Has(CommonFile(sim), "UserOS;Windows XP"));
    std::vector<std::string> names;
    for (std::size_t i = before; i < sim.report.events.size(); ++i) {
        names.push_back(sim.report.events[i].name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"save", "window", "exit"}));
    EXPECT_EQ(sim.report.Named("save").back()["ok"], 1);
    EXPECT_EQ(sim.report.Named("window").back()["visible"], 0);
    EXPECT_EQ(sim.report.Named("exit").back().t, now + 3000);
    EXPECT_TRUE(sim.desktop->Ended());
    EXPECT_FALSE(sim.pet().IconShown());

    // Nothing runs after the end.
    std::size_t count = sim.report.events.size();
    sim.RunFor(60000);
    EXPECT_EQ(sim.report.events.size(), count);
}

TEST_F(StartedPet, AFailedSaveAtExitShowsText201AndStillEnds) {
    std::string state = sim.env.files.Get(".\\DATA\\CAT.CFG");
    // Bytes the save must replace, in a file it cannot.
    sim.env.files.Put(".\\DATA\\PET.CFG", "changed");
    sim.env.files.SetReadOnly(".\\DATA\\PET.CFG", true);
    sim.Input(SimInput::kCommand, CommandId::kExit);

    EXPECT_EQ(sim.report.Named("save").back()["ok"], 0);
    std::vector<SimEvent> messages = sim.report.Named("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texts, (std::vector<std::string>{"Save failed", "NuvPET"}));
    EXPECT_TRUE(sim.desktop->dialogs().lastOwnedByPet);
    EXPECT_EQ(sim.desktop->dialogs().lastIcon, IDialogs::kNoIcon);
    EXPECT_EQ(sim.env.files.Get(".\\DATA\\CAT.CFG"), state);  // not written after the failure
    EXPECT_EQ(sim.report.Count("exit"), 1);
    EXPECT_TRUE(sim.desktop->Ended());
}

TEST_F(StartedPet, ACloseRequestEndsWithoutSavingAndWithoutTheEndPicture) {
    sim.RunFor(2000);
    int saves = sim.report.Count("save");
    std::string state = sim.env.files.Get(".\\DATA\\CAT.CFG");
    uint64_t now = sim.desktop->Now();
    sim.Input(SimInput::kClose);
    EXPECT_TRUE(sim.desktop->Ended());
    EXPECT_EQ(sim.report.Count("save"), saves);
    EXPECT_EQ(sim.env.files.Get(".\\DATA\\CAT.CFG"), state);
    EXPECT_EQ(sim.report.Named("exit").back().t, now);
    EXPECT_EQ(sim.report.Count("window"), 0);
}

TEST_F(StartedPet, EscapeAndEnterNeverEndTheProgram) {
    sim.Input(SimInput::kKey, 0);
    sim.Input(SimInput::kKey, 1);
    EXPECT_FALSE(sim.desktop->Ended());
    sim.RunFor(1000);
    EXPECT_GT(sim.report.Count("action"), 0);
}

// Command 904 changes nothing; any other (12345 is none of the program's: only the prologue)
// closes the balloon and puts the pet on the ground.
TEST(Commands, EveryCommandBut904ClosesTheBalloonAndPutsThePetOnTheGround) {
    for (int command : {CommandId::kIgnored, 12345}) {
        bool ignored = command == CommandId::kIgnored;
        SimHarness sim(LevelUpPet());
        ASSERT_TRUE(sim.Start());
        ASSERT_NE(sim.pet().openBalloon(), nullptr);
        sim.desktop->window().Move(100, 300);
        sim.Input(SimInput::kCommand, command);
        EXPECT_EQ(sim.pet().openBalloon() != nullptr, ignored) << command;
        EXPECT_EQ(sim.Window().left, 100);
        EXPECT_EQ(sim.Window().top, ignored ? 300 : kGround - kSize + 30) << command;
        EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kFirst);
        EXPECT_FALSE(sim.desktop->Ended());
    }
}

TEST(Commands, GameCommandsStartTheirGames) {
    const std::pair<int, int> games[] = {{210, 510}, {220, 520}, {221, 520}, {222, 520},
                                         {230, 530}, {240, 540}, {250, 550}};
    for (auto [command, action] : games) {
        SimHarness sim;
        ASSERT_TRUE(sim.Start());
        sim.Input(SimInput::kCommand, command);
        EXPECT_EQ(sim.pet().Engine().GetActionId(), action) << command;
    }
}

TEST_F(StartedPet, OptionsToggleOnTopAndSound) {
    const PetInfos& state = sim.pet().GetPetInfos();
    for (int on : {1, 0}) {
        sim.Input(SimInput::kCommand, CommandId::kToggleOnTop);
        sim.Input(SimInput::kCommand, CommandId::kToggleSound);
        sim.Input(SimInput::kCommand, CommandId::kToggleAutostart);
        EXPECT_EQ(std::make_tuple(state.PetOnTop, sim.desktop->TopMost(), state.PetOnSound,
                                  sim.desktop->system().StartsWithDesktop()),
                  std::make_tuple(on, on == 1, 1 - on, on == 1));
    }
}

TEST(Commands, ARefusedStartWithTheDesktopIsToldEitherWay) {
    SimHarness sim;
    CSimSystem& system = sim.desktop->system();
    system.refuseStartWithDesktop = true;  // the session's start list, both ways
    ASSERT_TRUE(sim.Start());
    for (bool on : {false, true}) {
        system.startsWithDesktop = on;
        sim.Input(SimInput::kCommand, CommandId::kToggleAutostart);
        std::vector<SimEvent> messages = sim.report.Named("message");
        ASSERT_EQ(messages.size(), on ? 2u : 1u);
        EXPECT_EQ(messages.back().texts[1], "NuvPET");
        EXPECT_FALSE(sim.desktop->Ended());
    }
    std::vector<SimEvent> messages = sim.report.Named("message");
    EXPECT_NE(messages[0].texts[0], messages[1].texts[0]);  // what could not be done
}

TEST(Commands, RenamingKeepsTheNameOnCancelAndCutsALongOne) {
    {
        SimHarness sim;  // the input box is cancelled
        ASSERT_TRUE(sim.Start());
        sim.Input(SimInput::kCommand, CommandId::kRename);
        EXPECT_EQ(sim.pet().GetPetInfos().PetName, "Nabi");
    }
    SimOptions options = SimHarness::DefaultOptions();
    options.name = "a name of twenty-five bytes";
    SimHarness sim(TinyPet(), options);
    ASSERT_TRUE(sim.Start());
    sim.Input(SimInput::kCommand, CommandId::kRename);
    EXPECT_EQ(sim.pet().GetPetInfos().PetName, "a name of twenty-fi");
}

TEST_F(StartedPet, WithOnePetThePetChangeShowsText210) {
    sim.Input(SimInput::kCommand, CommandId::kChangePet);
    std::vector<SimEvent> messages = sim.report.Named("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texts, (std::vector<std::string>{"One pet", "Pets"}));
}

// Two pets in PET.CFG: CAT (active) and DOG.
class PetChange : public ::testing::Test {
  protected:
    PetChange() : sim(Cat()) {
        TinyPet dog;
        dog.name = "DOG";
        dog.state.type = "DOG";
        dog.state.name = "Mong";
        dog.Action(ActionId::kFirst).duration = 7;
        dog.Install(sim.env.files);
        Cat().Install(sim.env.files);  // PET.CFG again, with CAT active
    }
    static TinyPet Cat() {
        TinyPet cat;
        cat.otherPets = {"DOG"};
        cat.Action(ActionId::kOuting).duration = 1000;  // an outing that stays away
        return cat;
    }
    void SetUp() override { ASSERT_TRUE(sim.Start()); }

    SimHarness sim;
};

TEST_F(PetChange, TheChosenPetStartsInTheSameWindow) {
    sim.RunFor(3000);
    sim.Post(sim.desktop->Now(), SimInput::kChoose, 1);
    sim.Input(SimInput::kCommand, CommandId::kChangePet);

    EXPECT_EQ(sim.pet().PetName(), "DOG");
    EXPECT_EQ(sim.pet().GetPetInfos().PetName, "Mong");
    EXPECT_EQ(sim.pet().FindAction(ActionId::kFirst)->duration, 7);
    EXPECT_TRUE(Has(CommonFile(sim), "Ps(0,CAT,X,False)"));
    EXPECT_TRUE(Has(CommonFile(sim), "Ps(1,DOG,X,True)"));
    EXPECT_TRUE(sim.pet().IconShown());
    EXPECT_FALSE(sim.desktop->Ended());
    EXPECT_EQ(sim.report.Named("action").back()["id"], 100);
    EXPECT_EQ(sim.report.Named("action").back()["prev"], -1);

    // The new pet lives on: its timer runs and a later exit saves its own files.
    sim.RunFor(10000);
    EXPECT_GT(sim.desktop->ShapeChanges(), 0);
    sim.Input(SimInput::kCommand, CommandId::kExit);
    EXPECT_TRUE(Has(StateFile(sim, "DOG"), "PetName;Mong\r\n"));
}

TEST_F(PetChange, TheChosenPetsOnTopSettingHoldsBothWays) {
    sim.Input(SimInput::kCommand, CommandId::kToggleOnTop);  // CAT on top
    ASSERT_TRUE(sim.desktop->TopMost());
    sim.Post(sim.desktop->Now(), SimInput::kChoose, 1);
    sim.Input(SimInput::kCommand, CommandId::kChangePet);
    ASSERT_EQ(sim.pet().PetName(), "DOG");
    EXPECT_FALSE(sim.desktop->TopMost());

    sim.Input(SimInput::kCommand,
              CommandId::kToggleOnTop);  // DOG on top, then back to CAT, saved as on top
    sim.Post(sim.desktop->Now(), SimInput::kChoose, 0);
    sim.Input(SimInput::kCommand, CommandId::kChangePet);
    ASSERT_EQ(sim.pet().PetName(), "CAT");
    EXPECT_TRUE(sim.desktop->TopMost());
}

TEST_F(PetChange, APetAwayOnItsOutingIsReplacedByAVisibleOne) {
    sim.StartAction(ActionId::kOuting);
    for (int i = 0; i < 600 && sim.desktop->Visible(); ++i)
        sim.RunFor(120);
    ASSERT_FALSE(sim.desktop->Visible());
    sim.Post(sim.desktop->Now(), SimInput::kChoose, 1);
    sim.Input(SimInput::kCommand, CommandId::kChangePet);
    EXPECT_EQ(sim.pet().PetName(), "DOG");
    EXPECT_TRUE(sim.desktop->Visible());
    EXPECT_EQ(sim.Window().bottom, kGround + 30);
}

TEST_F(PetChange, APetThatCannotStartGivesWayToThePreviousOne) {
    sim.env.files.DeleteFile(".\\DATA\\DOG.CMC");
    sim.Post(sim.desktop->Now(), SimInput::kChoose, 1);
    sim.Input(SimInput::kCommand, CommandId::kChangePet);
    std::vector<SimEvent> messages = sim.report.Named("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texts[0], "초기설정에서 문제가 발생했습니다.");
    EXPECT_FALSE(sim.desktop->Ended());
    EXPECT_EQ(sim.pet().PetName(), "CAT");
    EXPECT_TRUE(sim.pet().IconShown());
    EXPECT_TRUE(Has(CommonFile(sim), "Ps(0,CAT,X,True)"));
    EXPECT_TRUE(Has(CommonFile(sim), "Ps(1,DOG,X,False)"));
    sim.RunFor(5000);
    EXPECT_EQ(sim.report.Named("action").back()["id"], 100);
}

TEST_F(PetChange, ACancelledChoiceTheActivePetOrNoPetChangesNothing) {
    std::string config = sim.env.files.Get(".\\DATA\\PET.CFG");
    int saves = sim.report.Count("save"), starts = sim.report.Count("action");
    sim.Input(SimInput::kCommand, CommandId::kChangePet);  // cancelled
    for (int choice : {0, -1, 2}) {                        // the active pet, no entry of the list
        sim.Post(sim.desktop->Now(), SimInput::kChoose, choice);
        sim.Input(SimInput::kCommand, CommandId::kChangePet);
    }
    EXPECT_EQ(sim.pet().PetName(), "CAT");
    EXPECT_EQ(sim.report.Count("save"), saves);
    EXPECT_EQ(sim.report.Count("action"), starts);
    EXPECT_EQ(sim.env.files.Get(".\\DATA\\PET.CFG"), config);
    EXPECT_EQ(sim.report.Count("message"), 0);
}

TEST_F(StartedPet, TrayRightClickOpensTheMenuAndLeftClickDoesNot) {
    sim.Input(SimInput::kTray, 0);
    EXPECT_EQ(sim.report.Count("menu"), 0);
    sim.Input(SimInput::kTray, 1);
    EXPECT_EQ(sim.report.Count("menu"), 1);
    EXPECT_FALSE(sim.report.lastMenuItems.empty());
}

TEST_F(StartedPet, TheStrokeCursorShowsOnlyDuringStroking) {
    EXPECT_FALSE(sim.dialog().OnSetCursor());
    sim.Input(SimInput::kCommand, CommandId::kStroke);
    EXPECT_TRUE(sim.dialog().OnSetCursor());
    EXPECT_EQ(sim.desktop->HoverCursorFile(), ".\\PETS\\C3.CUR");  // the fourth record

    // Without a fourth cursor record there is no stroke cursor: default processing.
    TinyPet pet;
    pet.cursors = {"C0.CUR", "C1.CUR", "C2.CUR"};
    SimHarness few(pet);
    ASSERT_TRUE(few.Start());
    few.Input(SimInput::kCommand, CommandId::kStroke);
    EXPECT_EQ(few.pet().Engine().GetActionId(), ActionId::kStroke);
    EXPECT_FALSE(few.dialog().OnSetCursor());
    EXPECT_FALSE(few.desktop->Ended());  // no fault ended it
}

}  // namespace
}  // namespace nuv::test
