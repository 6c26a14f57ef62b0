// pettool check and pettool sim, run as a program on tiny pets written to disk.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <cstdio>
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

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::vector<std::string> lines;
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
        ToolOutput output = RunPettool(root_, command + " '" + root_.string() + "' " + args);
        ToolRun run;
        run.exitCode = output.exitCode;
        run.out = output.out;
        std::size_t start = 0;
        for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos;
             start = end + 1) {
            run.lines.push_back(run.out.substr(start, end - start));
        }
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
    ASSERT_GE(run.lines.size(), 11u);
    std::vector<std::string> start(run.lines.begin(), run.lines.begin() + 11);
    EXPECT_EQ(
        start,
        (std::vector<std::string>{
            "", "", "NUV Pet Start...", "", "[ Common Config File Read : '.\\DATA\\PET.CFG' ]",
            "[ Active Pet Number : '0' ]", "[ Pet Config File Read : '.\\DATA\\CAT.CFG' ]",
            "[ Animation File Read : '.\\PETS\\CAT.ANI' ]",
            "[ Window Region Data File Read : '.\\PETS\\CAT.RGN' ]",
            "[ Pet Image File Read : '.\\PETS\\CAT.BCF' ]", "[ Create Memory Device Context ]"}));
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

TEST_F(PettoolSim, CheckAnswersTheFirstRunNameBox) {
    TinyPet pet;
    pet.state.name = "";
    Install(pet);
    ToolRun run = Run("check");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(HasLine(run, "[ Registration New Pet Name ]"));
    EXPECT_EQ(Run("check", "--name ''").exitCode, 1);
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

// A PetType naming the common file is a value only: the run saves both files just as it does
// for a pet of its own type, and PET.CFG stays a common file.
TEST_F(PettoolSim, APetTypeOfPetLeavesTheCommonFileAlone) {
    std::string args = "--seconds 30 --seed 3";
    TinyPet pet;
    Install(pet);
    ToolRun plain = Run("sim", args);
    std::string common = test::ReadFileBytes(root_ / "DATA" / "PET.CFG");
    pet.state.type = "PET";
    Install(pet);
    ToolRun typed = Run("sim", args);
    ASSERT_EQ(typed.exitCode, 0) << typed.out;
    EXPECT_FALSE(Named(typed, "save").empty());
    EXPECT_EQ(test::ReadFileBytes(root_ / "DATA" / "PET.CFG"), common);
    EXPECT_NE(Decoded("CAT.CFG").find("PetType;PET\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(root_ / "DATA" / "PET.TMP"));
    EXPECT_EQ(Run("sim", args).exitCode, 0);  // and the pet starts again
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

TEST_F(PettoolSim, AFailedStartPrintsItsLogAndExits1) {
    TinyPet pet;
    pet.state.name = "";  // the name box is cancelled without --name
    Install(pet);
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

TEST_F(PettoolSim, BadArgumentsExit2) {
    Install(TinyPet());
    EXPECT_EQ(Run("sim", "--seconds").exitCode, 2);
    EXPECT_EQ(Run("sim", "--desktop 800").exitCode, 2);
    EXPECT_EQ(Run("sim", "--bogus").exitCode, 2);
    EXPECT_EQ(Run("sim", "--events /nonexistent/events.txt").exitCode, 2);
    WriteEvents("100 jump 1 2\n");
    ToolRun run = Run("sim", "--events '" + EventsPath() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
}

TEST_F(PettoolSim, EventsDragAndDropThePet) {
    Install(TinyPet());
    WriteEvents(
        "# pick the pet up, carry it up and let it fall\n"
        "1000 lbutton 5 5\n"
        "1000 cursor 396 463   # the window follows: 100 px right, 300 px up\n"
        "1500 release\n");
    ToolRun run = Run("sim", "--seconds 5 --events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    std::vector<Json> actions = Named(run, "action");
    ASSERT_GE(actions.size(), 4u);
    auto at = std::find_if(actions.begin(), actions.end(),
                           [](const Json& a) { return a["id"] == ActionId::kDragged; });
    ASSERT_NE(at, actions.end());
    EXPECT_EQ((*at)["t"], 1000);
    EXPECT_EQ((*at)["prev"], 100);
    ASSERT_NE(at + 2, actions.end());
    EXPECT_EQ(at[1]["id"], 702);
    EXPECT_EQ(at[1]["t"], 1500);
    EXPECT_EQ(at[1]["x"], 346);
    EXPECT_EQ(at[1]["y"], 448);
    EXPECT_EQ(at[2]["y"], 748);  // landed where it was dropped, on the ground
    EXPECT_EQ(at[2]["x"], 346);
    std::vector<Json> cursors = Named(run, "cursor");
    ASSERT_EQ(cursors.size(), 2u);
    EXPECT_EQ(cursors[0]["set"], "resource:136");
    EXPECT_EQ(cursors[1]["set"], nullptr);
    EXPECT_EQ(run.events.back()["x"], 346);

    // A run that ends mid-drag puts the cursors back before its last event, the end.
    WriteEvents("1000 lbutton 5 5\n");
    run = Run("sim", "--seconds 2 --events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    ASSERT_GE(run.events.size(), 2u);
    EXPECT_EQ(run.events.end()[-2]["ev"], "cursor");
    EXPECT_EQ(run.events.end()[-2]["set"], nullptr);
    EXPECT_EQ(run.events.back()["ev"], "end");
}

TEST_F(PettoolSim, TheExitCommandSavesShowsTheEndPictureAndEnds) {
    Install(TinyPet());
    WriteEvents(
        "2000 command 9023\n"
        "2000 key escape\n"
        "3000 command 903\n");
    ToolRun run = Run("sim", "--name Bori --events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    std::vector<std::string> tail(run.lines.end() - 4, run.lines.end());
    EXPECT_EQ(tail[0], R"({"t":3000,"ev":"save","ok":true})");
    EXPECT_EQ(tail[1], R"({"t":3000,"ev":"window","visible":false})");
    EXPECT_EQ(tail[2], R"({"t":6000,"ev":"exit"})");
    EXPECT_EQ(Json::parse(tail[3])["ev"], "end");
    EXPECT_NE(Decoded("CAT.CFG").find("PetName;Bori\r\n"), std::string::npos);
    EXPECT_NE(Decoded("PET.CFG").find("UserOS;Windows XP"), std::string::npos);
}

TEST_F(PettoolSim, ACloseRequestEndsAtOnceWithoutSaving) {
    Install(TinyPet());
    WriteEvents("1500 close\n");
    ToolRun run = Run("sim", "--events '" + EventsPath() + "'");
    ASSERT_EQ(run.exitCode, 0);
    std::vector<std::string> tail(run.lines.end() - 2, run.lines.end());
    EXPECT_EQ(tail[0], R"({"t":1500,"ev":"exit"})");
    EXPECT_EQ(Json::parse(tail[1])["t"], 1500);
    for (const Json& save : Named(run, "save"))
        EXPECT_LT(save["t"].get<uint64_t>(), 1500u);
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

}  // namespace
}  // namespace nuv::test

#endif  // NUV_PETTOOL
