// pettool dump, run as a program on the fixtures.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "base/Cp949.h"
#include "formats/ComplementedFile.h"

namespace nuv {
namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

const fs::path kData = NUV_TEST_DATA_DIR;

struct DumpRun : test::ToolOutput {
    Json json;
};

class DumpCommandTest : public ::testing::Test {
  protected:
    // Runs "pettool dump `file`" in the work folder.
    DumpRun Dump(const std::string& file) {
        DumpRun run{test::RunPettool(work_, "dump '" + file + "'"), {}};
        if (!run.out.empty()) run.json = Json::parse(run.out, nullptr, false);
        return run;
    }

    test::TempFolder folder_{"nuv-dump"};
    fs::path work_ = folder_.path();
};

TEST_F(DumpCommandTest, ScriptShowsEverySectionInStartUpOrder) {
    DumpRun run = Dump((kData / "dump" / "CAT.ANI").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Json j = run.json;
    std::vector<std::string> keys;
    for (auto it = j.begin(); it != j.end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"header", "config", "animations", "actions", "menu",
                                              "icons", "cursors", "objects", "sounds", "texts",
                                              "messages", "log", "ok"}));
    EXPECT_EQ(j["header"]["headerLong"], u8"회색 고양이");
    EXPECT_EQ(j["config"]["levelThresholds"], Json::parse("[100,300,1000]"));
    EXPECT_EQ(j["config"]["nameListA"], Json::parse(R"(["a","b","c"])"));
    EXPECT_EQ(j["animations"][1]["soundIndex"], -1);
    EXPECT_EQ(j["animations"][1]["comment"], u8"서 있기");
    EXPECT_EQ(j["actions"][0]["weights"], Json::parse("[50,40,30,0,0,0,0,0,0,0]"));
    EXPECT_EQ(j["actions"][0]["deltaS1"], -1);
    EXPECT_EQ(j["menu"][1]["caption"], u8"놀기");
    EXPECT_EQ(j["icons"]["iconHeight"], 16);
    EXPECT_EQ(j["cursors"]["records"].size(), 2u);
    EXPECT_EQ(j["objects"]["records"].size(), 1u);
    EXPECT_EQ(j["sounds"][0]["remark"], u8"야옹");
    EXPECT_EQ(j["texts"][1]["text"], " hello ");
    EXPECT_EQ(j["messages"][1]["weight"], 5000);
    EXPECT_TRUE(j["log"].empty());
    EXPECT_EQ(j["ok"], true);
}

TEST_F(DumpCommandTest, ADefectStopsTheReadersWithTheirMessage) {
    DumpRun run = Dump((kData / "dump" / "BADCOUNT.ANI").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.json["ok"], false);
    EXPECT_EQ(run.json["log"],
              Json::array({u8"SetAniListPart() - ANI 파일에 등록된 ANI LIST 수와 실제 등록된 ANI "
                           u8"수가 일치하지 않습니다."}));
    EXPECT_TRUE(run.json.contains("animations"));
    EXPECT_FALSE(run.json.contains("actions"));
}

TEST_F(DumpCommandTest, CommonConfigurationWithTheActivePet) {
    DumpRun run = Dump((kData / "sample" / "DATA" / "PET.CFG").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.json["user"]["UserName"], u8"홍길동");
    EXPECT_EQ(run.json["user"]["UserIsConnected"], "");
    EXPECT_EQ(run.json["user"]["UserOS"], "");
    EXPECT_EQ(run.json["user"]["User5"], 5);
    EXPECT_EQ(run.json["PsNum"], 2);
    EXPECT_EQ(run.json["pets"][0]["name"], "NABI");
    EXPECT_EQ(run.json["pets"][1]["second"], "DOG");
    EXPECT_EQ(run.json["activeIndex"], 0);

    run = Dump((kData / "dump" / "nopets" / "PET.CFG").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.json["log"],
              Json::array({u8"SetPetsInfoPart() - 카테고리 '[PETS INFO]'의 내용이 없습니다."}));
    EXPECT_FALSE(run.json.contains("activeIndex"));
}

TEST_F(DumpCommandTest, StateFileAndAdvertisements) {
    DumpRun run = Dump((kData / "dump" / "NABI.CFG").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.json["PetName"], u8"나비");
    EXPECT_EQ(run.json["PetPeedTime"], 3000000000u);
    EXPECT_EQ(run.json["PetS9"], 9);
    EXPECT_EQ(run.json["PetOnSound"], 1);

    run = Dump((kData / "dump" / "NABI.CMC").string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.json["totalWeight"], 40);
    ASSERT_EQ(run.json["messages"].size(), 2u);
    EXPECT_EQ(run.json["messages"][1]["text"], u8"새 소식이 있어요");
}

TEST_F(DumpCommandTest, AbsolutePathInAnyCaseLogsOnlyWhereTheProgramLogs) {
    fs::create_directories(work_ / "ETCS");
    fs::create_directories(work_ / "pets");
    std::ofstream(work_ / "pets" / "pet.cfg").close();  // empty
    std::string path = (work_ / "PETS" / "PET.CFG").string();
    DumpRun run = Dump(path);
    EXPECT_EQ(run.exitCode, 1);
    std::string message = "ReadScriptFile() - " + path + u8" 파일의 사이즈는 0 Byte입니다.";
    EXPECT_EQ(run.json["log"], Json::array({message}));

    std::string log = test::ReadFileBytes(work_ / "ETCS" / "PETLOG.TXT");
    std::string cp949Message;
    ASSERT_TRUE(cp949::FromUtf8(message, &cp949Message));
    EXPECT_NE(log.find(": " + cp949Message + "\r\n"), std::string::npos);
    std::vector<fs::path> written;
    for (const auto& entry : fs::recursive_directory_iterator(work_)) {
        if (entry.is_regular_file()) written.push_back(entry.path());
    }
    EXPECT_EQ(written.size(), 2u);  // the log and the dumped file
}

TEST_F(DumpCommandTest, MissingFilesAndUnknownKindsAreUsageErrors) {
    DumpRun run = Dump((work_ / "NONE.ANI").string());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);

    std::ofstream(work_ / "notes.txt") << "x";
    run = Dump((work_ / "notes.txt").string());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

}  // namespace
}  // namespace nuv

#endif  // NUV_PETTOOL
