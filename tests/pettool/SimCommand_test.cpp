// pettool check and pettool sim, run as a program on tiny pets written to disk.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "formats/ComplementedFile.h"
#include "ports/StdFileSystem.h"
#include "script/PetIds.h"
#include "support/TinyPet.h"

namespace nuv::test {
namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct ToolRun : ToolOutput {
    std::vector<Json> events;  // sim: one per line
};

class PettoolSim : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder : {"DATA", "PETS", "PETSOUND", "ETCS"}) {
            fs::create_directories(root_ / folder);
        }
    }

    void Install(const TinyPet& pet) {
        StdFileSystem files(root_);
        pet.Install(files);
    }
    std::string Decoded(const std::string& name) {
        return Complement(test::ReadFileBytes(root_ / "DATA" / name));
    }
    void WriteEvents(const std::string& text) {
        std::ofstream(root_ / "events.txt", std::ios::binary) << text;
    }
    std::string EventsPath() const { return (root_ / "events.txt").string(); }

    // Runs "pettool ARGS" with the pet root as first argument.
    ToolRun Run(const std::string& command, const std::string& args = "") {
        ToolRun run{RunPettool(root_, command + " '" + root_.string() + "' " + args), {}};
        if (command == "sim") {
            for (const std::string& l : run.lines)
                run.events.push_back(Json::parse(l, nullptr, false));
        }
        return run;
    }
    static std::vector<Json> Named(const ToolRun& run, const std::string& name) {
        std::vector<Json> out;
        for (const Json& e : run.events) {
            if (e.value("ev", "") == name) out.push_back(e);
        }
        return out;
    }
    static bool HasLine(const ToolRun& run, const std::string& line) {
        return std::find(run.lines.begin(), run.lines.end(), line) != run.lines.end();
    }

    TempFolder folder_{"nuv-sim"};
    fs::path root_ = folder_.path();
};

TEST_F(PettoolSim, CheckPrintsTheStartLogAndWritesOnlyTheLog) {
    Install(TinyPet());
    std::string config = test::ReadFileBytes(root_ / "DATA" / "PET.CFG");
    std::string state = test::ReadFileBytes(root_ / "DATA" / "CAT.CFG");
    ToolRun run = Run("check");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    // The start log itself is the start-up's (see StartUp): printed as it is written.
    EXPECT_TRUE(HasLine(run, "NUV Pet Start..."));
    EXPECT_TRUE(HasLine(run, "[ Create Memory Device Context ]"));
    EXPECT_EQ(test::ReadFileBytes(root_ / "DATA" / "PET.CFG"), config);
    EXPECT_EQ(test::ReadFileBytes(root_ / "DATA" / "CAT.CFG"), state);
    EXPECT_NE(test::ReadFileBytes(root_ / "ETCS" / "PETLOG.TXT").find("NUV Pet Start..."),
              std::string::npos);
    // The tiny pet's ranges 200..299 and up weigh nothing.
    EXPECT_TRUE(
        HasLine(run, "warning: actions 200..299 at level 0 weigh 0, less than statMax 10000"));
    EXPECT_FALSE(HasLine(run, "warning: fewer than five cursor records"));
}

TEST_F(PettoolSim, CheckWarnsOfWhatAnAuthorMustFix) {
    TinyPet pet;
    pet.Action(150).animations = {1, 999};
    pet.cursors = {"C0.CUR", "C1.CUR", "C2.CUR"};
    pet.actions.erase(std::remove_if(pet.actions.begin(), pet.actions.end(),
                                     [](const TinyAction& a) { return a.id == 440; }),
                      pet.actions.end());
    pet.state.type = "DOG";
    Install(pet);
    fs::remove(root_ / "PETS" / "PETEND.BCF");
    ToolRun run = Run("check");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(HasLine(run, "warning: action 150 names missing animation 999")) << run.out;
    EXPECT_TRUE(HasLine(run, "warning: fewer than five cursor records"));
    EXPECT_TRUE(HasLine(run, "warning: no action in the range 440..449"));
    EXPECT_TRUE(HasLine(run, "warning: picture file .\\PETS\\PETEND.BCF does not exist"));
    EXPECT_TRUE(HasLine(run,
                        "warning: PetType 'DOG' differs from the pet's name 'CAT' (the state is "
                        "saved to .\\DATA\\CAT.CFG all the same)"));
    // Warnings come after the log.
    auto first = std::find_if(run.lines.begin(), run.lines.end(),
                              [](const std::string& l) { return l.rfind("warning: ", 0) == 0; });
    EXPECT_TRUE(std::all_of(first, run.lines.end(),
                            [](const std::string& l) { return l.rfind("warning: ", 0) == 0; }));
}

TEST_F(PettoolSim, CheckFailsWithTheReasonInTheLog) {
    Install(TinyPet());
    fs::remove(root_ / "DATA" / "CAT.CMC");
    ToolRun run = Run("check");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.lines.back(),
              u8"InitPet() - .\\DATA\\CAT.CMC 파일에서 광고 메시지를 읽을 수 없습니다.");
    for (const std::string& line : run.lines)
        EXPECT_EQ(line.rfind("warning: ", 0), std::string::npos);
}

TEST_F(PettoolSim, SimReportsTheStartActionsSavesAndTheEnd) {
    Install(TinyPet());
    ToolRun run = Run("sim", "--seconds 10");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    ASSERT_GE(run.events.size(), 4u);
    // Action 100 and its save happen inside the start.
    EXPECT_EQ(run.lines[0], R"({"t":0,"ev":"action","id":100,"prev":-1,"x":246,"y":748})");
    EXPECT_EQ(run.lines[1], R"({"t":0,"ev":"save","ok":true})");
    EXPECT_EQ(run.lines[2], R"({"t":0,"ev":"start","ok":true,"x":246,"y":748,"w":20,"h":20})");
    std::vector<Json> actions = Named(run, "action");
    EXPECT_GE(actions.size(), 5u);  // action 100 lasts a second
    EXPECT_EQ(Named(run, "save").size(), actions.size());
    uint64_t last = 0;
    for (const Json& e : run.events) {
        EXPECT_GE(e["t"].get<uint64_t>(), last);
        last = e["t"];
    }
    EXPECT_EQ(run.lines.back(),
              R"({"t":10000,"ev":"end","x":246,"y":748,"action":100,"state":{"PetLevel":0,)"
              R"("PetPoint":0,"PetS0":9000,"PetS1":9000,"PetS2":9000,"PetS3":9000}})");
}

TEST_F(PettoolSim, TheSameArgumentsGiveTheSameOutput) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).weights = {5000, 5000, 5000};
    for (int id : {140, 141, 142, 143, 144})
        pet.Action(id).weights = {1000, 1000, 1000};
    Install(pet);
    std::string args = "--seconds 120 --seed 9 --trace";
    ToolRun first = Run("sim", args);
    Install(pet);  // the same files again: the first run saved its state
    ToolRun second = Run("sim", args);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_FALSE(Named(first, "tick").empty());
    Install(pet);
    EXPECT_NE(Run("sim", "--seconds 120 --seed 10 --trace").out, first.out);
}

TEST_F(PettoolSim, SimPlacesThePetOnTheGivenDesktopAndDate) {
    TinyPet pet;
    pet.state.startDate = "";
    Install(pet);
    ToolRun run = Run("sim", "--seconds 1 --desktop 800,600 --start '2030-01-02 03:04:05'");
    ASSERT_EQ(run.exitCode, 0);
    Json start = Named(run, "start").at(0);
    EXPECT_EQ(start["x"], 190);
    EXPECT_EQ(start["y"], 610);
    EXPECT_NE(Decoded("CAT.CFG").find("PetStartDate;20300102\r\n"), std::string::npos);
}

// check answers the first run's name box; sim cancels it without --name.
TEST_F(PettoolSim, AFailedStartPrintsItsLogAndExits1) {
    TinyPet pet;
    pet.state.name = "";
    Install(pet);
    ToolRun check = Run("check");
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_TRUE(HasLine(check, "[ Registration New Pet Name ]"));
    EXPECT_EQ(Run("check", "--name ''").exitCode, 1);
    ToolRun run = Run("sim");
    EXPECT_EQ(run.exitCode, 1);
    std::vector<Json> start = Named(run, "start");
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(start[0]["ok"], false);
    EXPECT_EQ(start[0]["log"].back(), u8"InitPet() - 시작할 PET의 이름을 지정하지 않았습니다.");
    EXPECT_EQ(run.events.back()["ev"], "start");  // no end event
    EXPECT_EQ(Named(run, "message").at(0)["text"], u8"초기설정에서 문제가 발생했습니다.");

    EXPECT_EQ(Run("sim", "--name Bori --seconds 1").exitCode, 0);
    EXPECT_NE(Decoded("CAT.CFG").find("PetName;Bori\r\n"), std::string::npos);
}

TEST_F(PettoolSim, BadArgumentsAndEventLinesExit2) {
    Install(TinyPet());
    EXPECT_EQ(Run("sim", "--seconds").exitCode, 2);
    EXPECT_EQ(Run("sim", "--desktop 800").exitCode, 2);
    EXPECT_EQ(Run("sim", "--bogus").exitCode, 2);
    EXPECT_EQ(Run("sim", "--events /nonexistent/events.txt").exitCode, 2);
    for (const char* line :
         {"1000 jump 1 2", "1000 balloon", "1000 balloon click 5", "1000 balloon key space",
          "1000 balloon click 5 6 7", "1000 balloon wave"}) {
        WriteEvents(std::string("# events\n") + line + "\n");
        ToolRun run = Run("sim", "--seconds 2 --events '" + EventsPath() + "'");
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_NE(run.err.find("line 2"), std::string::npos) << line << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << line;
    }
    WriteEvents("1000 balloon click 5 6\n1100 balloon key enter\n");
    ToolRun run = Run("sim", "--seconds 2 --events '" + EventsPath() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;  // nothing open: nothing happens
    EXPECT_TRUE(Named(run, "open").empty());
}

// The events file drives the whole run (its verbs are played by the golden run of the sample
// pet); a run that ends mid-drag puts the cursors back before its last event, the end.
TEST_F(PettoolSim, ARunEndingMidDragPutsTheCursorsBackBeforeTheEnd) {
    Install(TinyPet());
    WriteEvents("# pick the pet up\n1000 lbutton 5 5   # and hold it\n");
    ToolRun run = Run("sim", "--seconds 2 --events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    ASSERT_GE(run.events.size(), 2u);
    EXPECT_EQ(Named(run, "action").back()["id"], ActionId::kDragged);
    EXPECT_EQ(run.events.end()[-2]["ev"], "cursor");
    EXPECT_EQ(run.events.end()[-2]["set"], nullptr);
    EXPECT_EQ(run.events.back()["ev"], "end");
}

TEST_F(PettoolSim, MenusAndMessagesAreReported) {
    Install(TinyPet());
    WriteEvents(
        "500 rbutton 3 3\n"
        "600 command 9024\n");
    ToolRun run = Run("sim", "--seconds 1 --events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0);
    Json menu = Named(run, "menu").at(0);
    EXPECT_EQ(menu["t"], 500);
    EXPECT_EQ(menu["items"][0]["text"], "Games");
    EXPECT_EQ(menu["items"][0]["items"][0],
              Json::parse(R"({"command":210,"text":"Catch","enabled":true,"checked":false})"));
    EXPECT_EQ(menu["items"][1], Json::parse(R"({"separator":true})"));
    EXPECT_EQ(menu["items"][2]["items"][2], Json::parse(R"({"gauge":0,"text":"Food "})"));
    Json message = Named(run, "message").at(0);
    EXPECT_EQ(message["text"], "One pet");
    EXPECT_EQ(message["caption"], "Pets");
}

// A pet that always chooses `id` after its first action.
TinyPet ChoosingPet(int id) {
    TinyPet pet;
    pet.Action(100).weights = {0, 0, 0};
    pet.Action(id).weights = {10000, 10000, 10000};
    return pet;
}

TEST_F(PettoolSim, BalloonsReportTheirLinesAndTheLinksTheyOpen) {
    Install(ChoosingPet(149));
    // The link "us" spans x 92..108, y 37..53 of the balloon.
    WriteEvents(
        "2000 balloon click 100 45\n"
        "2500 balloon click 60 45\n"
        "3000 balloon key escape\n");
    ToolRun run = Run("sim", "--seconds 4 --events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<Json> shown = Named(run, "balloon_shown");
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(Named(run, "balloon").at(0)["kind"], 0);
    EXPECT_EQ(shown[0]["lines"], Json::array({"Visit us"}));
    EXPECT_EQ(shown[0]["links"], Json::array({"www.example.org"}));
    std::vector<Json> opened = Named(run, "open");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], Json::parse(R"({"t":2000,"ev":"open","url":"http://www.example.org"})"));
    std::vector<Json> closed = Named(run, "balloon_closed");
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0]["t"], 3000);
}

TEST_F(PettoolSim, OutingReportsItsObjectWindowAndThePetLeavingAndComingBack) {
    TinyPet pet = ChoosingPet(301);
    pet.Action(301).duration = 1;
    pet.state.s0 = pet.state.s1 = pet.state.s2 = pet.state.s3 = 2000;  // the greatest needs
    Install(pet);
    ToolRun run = Run("sim", "--seconds 40");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<Json> objects = Named(run, "object");
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]["show"], true);
    EXPECT_EQ(objects[0]["rect"], Json::array({160, 0, 200, 30}));
    EXPECT_EQ(objects[0]["x"], 0);
    EXPECT_EQ(objects[0]["y"], 738 - 30);
    EXPECT_EQ(objects[2]["show"], false);
    std::vector<Json> windows = Named(run, "window");
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]["visible"], false);
    EXPECT_EQ(windows[1]["visible"], true);
    EXPECT_EQ(windows[1]["t"], objects[2]["t"]);
}

}  // namespace
}  // namespace nuv::test

#endif  // NUV_PETTOOL
