// pettool sim on a tiny pet written to disk: balloons, links, the object window and the
// balloon verbs of the events file.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "script/PetIds.h"
#include "sim/MemoryFileSystem.h"
#include "support/TinyPet.h"

namespace nuv::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct SimRun {
    int exitCode = -1;
    std::vector<Json> events;
    std::string err;

    std::vector<Json> Named(const std::string& name) const {
        std::vector<Json> out;
        for (const Json& e : events) {
            if (e.value("ev", "") == name) out.push_back(e);
        }
        return out;
    }
};

class PettoolSimBalloons : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder : {"DATA", "PETS", "ETCS", "PETSOUND"}) {
            fs::create_directories(root_ / folder);
        }
    }

    // The files of `pet` as the program finds them under the root.
    void WritePet(const TinyPet& pet) {
        MemoryFileSystem files;
        pet.Install(files);
        std::vector<std::string> paths = {".\\DATA\\PET.CFG",
                                          ".\\DATA\\" + pet.name + ".CFG",
                                          ".\\DATA\\" + pet.name + ".CMC",
                                          ".\\PETS\\" + pet.name + ".ANI",
                                          ".\\PETS\\" + pet.name + ".RGN",
                                          ".\\PETS\\" + pet.name + ".BCF",
                                          ".\\PETS\\ICON.BCF",
                                          ".\\PETS\\PETBAR00.BCF",
                                          ".\\PETS\\OBJ.BCF",
                                          ".\\PETS\\PETLOAD.BCF",
                                          ".\\PETS\\PETEND.BCF",
                                          ".\\PETSOUND\\BEEP.WAV"};
        for (const std::string& cursor : pet.cursors)
            paths.push_back(".\\PETS\\" + cursor);
        for (const std::string& path : paths) {
            std::string relative = path.substr(2);
            std::replace(relative.begin(), relative.end(), '\\', '/');
            std::ofstream(root_ / relative, std::ios::binary) << files.Get(path);
        }
    }

    SimRun Sim(const std::string& events, int seconds) {
        std::ofstream(root_ / "events.txt", std::ios::binary) << events;
        ToolOutput output = RunPettool(
            root_, "sim . --seconds " + std::to_string(seconds) + " --events events.txt");
        SimRun run;
        run.exitCode = output.exitCode;
        run.err = output.err;
        std::istringstream lines(output.out);
        for (std::string line; std::getline(lines, line);) {
            run.events.push_back(Json::parse(line, nullptr, false));
        }
        return run;
    }

    TempFolder folder_{"nuv-sim-balloons"};
    fs::path root_ = folder_.path();
};

// A pet that always chooses `id` after its first action.
TinyPet ChoosingPet(int id) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).weights = {0, 0, 0};
    pet.Action(id).weights = {10000, 10000, 10000};
    return pet;
}

TEST_F(PettoolSimBalloons, AdvertisementBalloonReportsItsLinesAndOpensItsLinkOnAClick) {
    WritePet(ChoosingPet(149));
    // The link "us" spans x 92..108, y 37..53 of the balloon.
    SimRun run =
        Sim("2000 balloon click 100 45\n"
            "2500 balloon click 60 45\n"
            "3000 balloon key escape\n",
            4);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<Json> balloons = run.Named("balloon");
    ASSERT_GE(balloons.size(), 2u);
    EXPECT_EQ(balloons[0]["kind"], 0);

    std::vector<Json> shown = run.Named("balloon_shown");
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0]["lines"], Json::array({"Visit us"}));
    EXPECT_EQ(shown[0]["links"], Json::array({"www.example.org"}));
    EXPECT_LT(shown[0]["t"].get<int>(), 2000);

    std::vector<Json> opened = run.Named("open");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0]["url"], "http://www.example.org");
    EXPECT_EQ(opened[0]["t"], 2000);

    std::vector<Json> closed = run.Named("balloon_closed");
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0]["t"], 3000);
    EXPECT_GE(balloons[1]["t"].get<int>(), 3000);  // the next talk's balloon
}

TEST_F(PettoolSimBalloons, TypingBalloonReportsItsHangulTextWhenTypedAndClosesFiveSecondsLater) {
    TinyPet pet = ChoosingPet(146);
    pet.messages = {"201;10000;안녕;"};
    WritePet(pet);
    SimRun run = Sim("", 12);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<Json> balloons = run.Named("balloon");
    ASSERT_GE(balloons.size(), 1u);
    EXPECT_EQ(balloons[0]["kind"], 1);
    EXPECT_EQ(balloons[0]["text"], u8"안녕");
    std::vector<Json> shown = run.Named("balloon_shown");
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0]["lines"], Json::array({u8"안녕"}));
    EXPECT_EQ(shown[0]["links"], Json::array());
    // Two syllables with final consonants: three typing ticks of 200 ms each.
    EXPECT_EQ(shown[0]["t"].get<int>() - balloons[0]["t"].get<int>(), 6 * 200);
    std::vector<Json> closed = run.Named("balloon_closed");
    ASSERT_GE(closed.size(), 1u);
    EXPECT_EQ(closed[0]["t"].get<int>() - shown[0]["t"].get<int>(), 5000);
}

TEST_F(PettoolSimBalloons, StrokeSuccessShowsItsMessageBalloonAtOnce) {
    TinyPet pet;
    pet.Action(ActionId::kStroke).duration = 2;
    pet.Action(ActionId::kStroke).deltaS2 = 13;
    pet.Action(ActionId::kStroke).deltaPoint = 5;
    WritePet(pet);
    std::string events = "100 command 230\n";
    for (int i = 0; i < 46; ++i)
        events += "200 setcursor\n";
    SimRun run = Sim(events, 10);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<Json> balloons = run.Named("balloon");
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0]["kind"], 2);
    EXPECT_EQ(balloons[0]["text"], "Stroked 13 5");
    std::vector<Json> shown = run.Named("balloon_shown");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]["t"], balloons[0]["t"]);
    EXPECT_EQ(shown[0]["lines"], Json::array({"Stroked 13 5"}));
    ASSERT_EQ(run.Named("balloon_closed").size(), 1u);
    EXPECT_EQ(run.Named("balloon_closed")[0]["t"].get<int>() - shown[0]["t"].get<int>(), 5000);
}

TEST_F(PettoolSimBalloons, OutingReportsItsObjectWindowAndThePetLeavingAndComingBack) {
    TinyPet pet = ChoosingPet(301);
    pet.Action(ActionId::kOuting).duration = 1;
    pet.state.s0 = pet.state.s1 = pet.state.s2 = pet.state.s3 = 2000;  // the greatest needs
    WritePet(pet);
    SimRun run = Sim("", 40);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<Json> objects = run.Named("object");
    ASSERT_EQ(objects.size(), 3u);
    // Object records are 40 x 30 at (40 i, 0): first (R4 place, R3 size), then (R3 place,
    // R4 size), at (0, G - 30).
    EXPECT_EQ(objects[0]["show"], true);
    EXPECT_EQ(objects[0]["rect"], Json::array({160, 0, 200, 30}));
    EXPECT_EQ(objects[0]["x"], 0);
    EXPECT_EQ(objects[0]["y"], 738 - 30);
    EXPECT_EQ(objects[1]["show"], true);
    EXPECT_EQ(objects[1]["rect"], Json::array({120, 0, 160, 30}));
    EXPECT_EQ(objects[2]["show"], false);

    std::vector<Json> windows = run.Named("window");
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]["visible"], false);
    EXPECT_EQ(windows[1]["visible"], true);
    EXPECT_LT(windows[0]["t"].get<int>(), objects[2]["t"].get<int>());
    EXPECT_EQ(windows[1]["t"], objects[2]["t"]);

    std::vector<Json> end = run.Named("end");
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0]["state"]["PetS0"], 5000);
    EXPECT_EQ(end[0]["state"]["PetS3"], 5000);
}

TEST_F(PettoolSimBalloons, BadBalloonVerbsAreRefusedWithTheirLine) {
    WritePet(TinyPet());
    for (const char* line : {"1000 balloon", "1000 balloon click 5", "1000 balloon key space",
                             "1000 balloon click 5 6 7", "1000 balloon wave"}) {
        SimRun run = Sim(std::string("# events\n") + line + "\n", 2);
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_NE(run.err.find("line 2"), std::string::npos) << line << ": " << run.err;
        EXPECT_TRUE(run.events.empty()) << line;
    }
    SimRun run = Sim("1000 balloon click 5 6\n1100 balloon key enter\n", 2);
    EXPECT_EQ(run.exitCode, 0) << run.err;  // nothing open: nothing happens
    EXPECT_TRUE(run.Named("open").empty());
}

}  // namespace
}  // namespace nuv::test

#endif  // NUV_PETTOOL
