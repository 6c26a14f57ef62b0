// The start of the program on the simulated desktop: the order of the reading, its log lines,
// the failures and what a first run adds to the pet's state.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <new>
#include <ostream>
#include <string>
#include <tuple>

#include "formats/ComplementedFile.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

const char kStartFailure[] = "초기설정에서 문제가 발생했습니다.";

// The log lines written during the start.
std::vector<std::string> StartLog(const SimHarness& sim) {
    std::vector<SimEvent> start = sim.report.Named("start");
    return start.empty() ? std::vector<std::string>() : start[0].texts;
}

bool Logged(const SimHarness& sim, const std::string& line) {
    std::vector<std::string> log = StartLog(sim);
    return std::find(log.begin(), log.end(), line) != log.end();
}

// Starts the pet and expects the start to fail with the message box.
void ExpectFailedStart(SimHarness& sim) {
    EXPECT_FALSE(sim.Start());
    std::vector<SimEvent> messages = sim.report.Named("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texts, (std::vector<std::string>{kStartFailure, "설정 오류"}));
    EXPECT_TRUE(sim.desktop->Ended());
    EXPECT_EQ(sim.report.Count("action"), 0);
    EXPECT_FALSE(sim.pet().IconShown());
}

TEST_F(StartedPet, StartReadsEveryFileInOrderAndLogsEachStep) {
    std::vector<std::string> expected = {
        "\r\n\r\nNUV Pet Start...\r\n",
        "[ Common Config File Read : '.\\DATA\\PET.CFG' ]",
        "[ Active Pet Number : '0' ]",
        "[ Pet Config File Read : '.\\DATA\\CAT.CFG' ]",
        "[ Animation File Read : '.\\PETS\\CAT.ANI' ]",
        "[ Window Region Data File Read : '.\\PETS\\CAT.RGN' ]",
        "[ Pet Image File Read : '.\\PETS\\CAT.BCF' ]",
        "[ Create Memory Device Context ]",
    };
    std::vector<std::string> log = StartLog(sim);
    ASSERT_GE(log.size(), expected.size());
    log.resize(expected.size());
    EXPECT_EQ(log, expected);

    // Action 100 (with its save) happens inside the start; the tray icon follows.
    ASSERT_GE(sim.report.events.size(), 3u);
    const SimEvent& first = sim.report.events[0];
    EXPECT_EQ(std::make_tuple(first.name, first["id"], first["prev"], sim.report.events[1].name),
              std::make_tuple("action", 100, -1, "save"));
    EXPECT_EQ(sim.report.events.back().name, "start");
    EXPECT_TRUE(sim.pet().IconShown());
    EXPECT_EQ(sim.pet().Tip(), "Tiny pet");
    EXPECT_EQ(sim.desktop->system().GetDragFullWindows(), 1);
}

struct MissingFile {
    const char* path;
    const char* message;
};

void PrintTo(const MissingFile& file, std::ostream* out) {
    *out << file.path;
}

class StartUpMissingFile : public ::testing::TestWithParam<MissingFile> {};

TEST_P(StartUpMissingFile, StopsWithItsOwnLogLine) {
    SimHarness sim;
    sim.env.files.DeleteFile(GetParam().path);
    ExpectFailedStart(sim);
    EXPECT_TRUE(Logged(sim, GetParam().message)) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    EachFile, StartUpMissingFile,
    ::testing::Values(
        MissingFile{".\\DATA\\PET.CFG", "InitPet() - CFG 파일의 내용을 읽는데 실패했습니다."},
        MissingFile{".\\DATA\\CAT.CFG", "LoadPetConfig() - 활성중인 PET의 CFG를  읽을수 없습니다."},
        MissingFile{".\\PETS\\CAT.ANI", "InitPet() - ANI 파일을 읽는데 실패했습니다."},
        MissingFile{".\\PETS\\CAT.RGN", "SetRegionData() - RGN 파일을 열 수 없습니다. Error = 2"},
        MissingFile{".\\PETS\\CAT.BCF", "InitPet() - PET 이미지 파일을 읽는데 실패했습니다."},
        MissingFile{".\\DATA\\CAT.CMC",
                    "InitPet() - .\\DATA\\CAT.CMC 파일에서 광고 메시지를 읽을 수 없습니다."}),
    // The file's path in letters and digits: DATA_PET_CFG.
    [](const ::testing::TestParamInfo<MissingFile>& info) {
        std::string name;
        for (const char* c = info.param.path; *c; ++c) {
            bool alnum = std::isalnum(static_cast<unsigned char>(*c)) != 0;
            if (alnum)
                name += *c;
            else if (!name.empty() && name.back() != '_')
                name += '_';
        }
        return name;
    });

TEST(StartUp, TheFirstMissingFileInReadingOrderIsReported) {
    SimHarness sim;
    sim.env.files.DeleteFile(".\\PETS\\CAT.ANI");
    sim.env.files.DeleteFile(".\\PETS\\CAT.RGN");
    ExpectFailedStart(sim);
    EXPECT_TRUE(Logged(sim, "InitPet() - ANI 파일을 읽는데 실패했습니다."));
    for (const std::string& line : StartLog(sim)) {
        EXPECT_EQ(line.find("RGN"), std::string::npos) << line;
    }
}

TEST(StartUp, NoActivePetStopsTheStart) {
    TinyPet pet;
    SimHarness sim(pet);
    std::string config = Complement(sim.env.files.Get(".\\DATA\\PET.CFG"));
    config.replace(config.find("X,True"), 6, "X,False");
    sim.env.files.Put(".\\DATA\\PET.CFG", Complement(config));
    ExpectFailedStart(sim);
    EXPECT_TRUE(Logged(sim, "InitPet() - 활성중인 PET을 찾을 수 없습니다."));
}

// The pet list's name names the pet's files: a device, a way out of the folders or the common
// file are refused before anything is read.
TEST(StartUp, APetListNameThatIsNoPlainFileNameStopsTheStart) {
    for (std::string name : {"CON", "com1.x", "PET", "..\\CAT", "a/b"}) {
        SimHarness sim;
        std::string config = Complement(sim.env.files.Get(".\\DATA\\PET.CFG"));
        config.replace(config.find("Ps(0,CAT,"), 9, "Ps(0," + name + ",");
        sim.env.files.Put(".\\DATA\\PET.CFG", Complement(config));
        ExpectFailedStart(sim);
        EXPECT_EQ(StartLog(sim).back(),  // nothing is read after it
                  "LoadPetConfig() - '" + name + "'은(는) PET 파일의 이름으로 쓸 수 없습니다.")
            << name;
        EXPECT_EQ(Complement(sim.env.files.Get(".\\DATA\\PET.CFG")), config);
    }
}

TEST(StartUp, AScriptWithoutAction100IsRefused) {
    TinyPet pet;
    pet.actions.erase(pet.actions.begin());  // action 100 comes first
    SimHarness sim(pet);
    ExpectFailedStart(sim);
    EXPECT_TRUE(Logged(sim, "SetActListPart() - 첫 액션(100)이 ACT LIST에 없습니다."));
}

TEST(StartUp, ACancelledFirstRunNameEndsTheProgramBeforeTheRegions) {
    TinyPet pet;
    pet.state.name = "";
    SimHarness sim(pet);  // no name: the input box is cancelled
    ExpectFailedStart(sim);
    std::vector<std::string> log = StartLog(sim);
    auto question = std::find(log.begin(), log.end(), "[ Registration New Pet Name ]");
    ASSERT_NE(question, log.end());
    ASSERT_NE(question + 1, log.end());
    EXPECT_EQ(question[1], "InitPet() - 시작할 PET의 이름을 지정하지 않았습니다.");
    EXPECT_FALSE(Logged(sim, "[ Window Region Data File Read : '.\\PETS\\CAT.RGN' ]"));
}

// The name box takes no ';': what is saved reads back the same.
TEST(StartUp, AFirstRunNameIsCutTo19BytesWithoutSplittingACharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"abcdefghijklmnopqrstuvwxy", "abcdefghijklmnopqrs"},
        {"abcdefghijklmnopq\xea\xb0\x80", "abcdefghijklmnopq\xb0\xa1"},  // a two-byte syllable
        {"abcdefghijklmnopqr\xea\xb0\x80", "abcdefghijklmnopqr"},        // it would be split at 19
        {"ab;cd", "abcd"},
        {";", nullptr},  // nothing left: no name
    };
    TinyPet pet;
    pet.state.name = "";
    for (const auto& [typed, kept] : cases) {
        SimOptions options = SimHarness::DefaultOptions();
        options.name = typed;
        SimHarness sim(pet, options);
        if (!kept) {
            ExpectFailedStart(sim);
            continue;
        }
        ASSERT_TRUE(sim.Start()) << typed;
        EXPECT_EQ(sim.pet().GetPetInfos().PetName, kept);
        std::string saved = Complement(sim.env.files.Get(".\\DATA\\CAT.CFG"));
        EXPECT_NE(saved.find(std::string("PetName;") + kept + "\r\n"), std::string::npos) << saved;
    }
}

TEST(StartUp, AnEmptyStartDateBecomesTodayAndIsSaved) {
    TinyPet pet;
    pet.state.startDate = "";
    SimOptions options = SimHarness::DefaultOptions();
    options.start = {2002, 3, 5, 23, 59, 0};
    SimHarness sim(pet, options);
    ASSERT_TRUE(sim.Start());
    EXPECT_EQ(sim.pet().GetPetInfos().PetStartDate, "20020305");
    std::string saved = Complement(sim.env.files.Get(".\\DATA\\CAT.CFG"));
    EXPECT_NE(saved.find("PetStartDate;20020305\r\n"), std::string::npos) << saved;
}

TEST(StartUp, PlacesThePetAtAQuarterOfTheDesktopOnTheGround) {
    SimOptions options = SimHarness::DefaultOptions();
    options.desktop = {{0, 0, 801, 590}};
    TinyPet pet;
    pet.frameWidth = 25;
    pet.frameHeight = 31;
    SimHarness sim(pet, options);
    ASSERT_TRUE(sim.Start());
    EXPECT_EQ(sim.Window(), (Rect{801 / 4 - 12, 590 - 31 + 30, 801 / 4 - 12 + 25, 590 + 30}));
    std::vector<SimEvent> start = sim.report.Named("start");
    EXPECT_EQ(start[0]["x"], 188);
    EXPECT_EQ(start[0]["w"], 25);
}

TEST(StartUp, OnTopInTheStateMakesThePetTopmost) {
    TinyPet pet;
    pet.state.onTop = 1;
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    EXPECT_TRUE(sim.desktop->TopMost());
    SimHarness other;
    ASSERT_TRUE(other.Start());
    EXPECT_FALSE(other.desktop->TopMost());
}

TEST(StartUp, SizesThePicturesCannotHoldAreRefused) {
    struct Case {
        const char* from;
        const char* to;
        bool starts;
        const char* log;
    };
    const char kFrame[] = "Size;20,20;", kIcon[] = "Size;13,13;";
    const Case cases[] = {
        {kFrame, "Size;2000000000,2000000000;", false,
         "InitPet() - 프레임 크기 2000000000x2000000000는 PET 이미지(200x80)에 들어가지 않습니다."},
        {kFrame, "Size;20,81;", false,
         "InitPet() - 프레임 크기 20x81는 PET 이미지(200x80)에 들어가지 않습니다."},
        {kFrame, "Size;0,20;", false,
         "InitPet() - 프레임 크기 0x20는 PET 이미지(200x80)에 들어가지 않습니다."},
        {kFrame, "Size;-20,-20;", false,
         "InitPet() - 프레임 크기 -20x-20는 PET 이미지(200x80)에 들어가지 않습니다."},
        {kIcon, "Size;2147483647,2147483647;", true,
         "InitPet() - 메뉴 아이콘 크기 2147483647x2147483647가 아이콘 이미지(13x260)에 맞지 않아 "
         "아이콘 없이 시작합니다."},
        {kIcon, "Size;40000,40000;", true,
         "InitPet() - 메뉴 아이콘 크기 40000x40000가 아이콘 이미지(13x260)에 맞지 않아 아이콘 "
         "없이 시작합니다."},
        {kIcon, "Size;14,13;", true,
         "InitPet() - 메뉴 아이콘 크기 14x13가 아이콘 이미지(13x260)에 맞지 않아 아이콘 없이 "
         "시작합니다."},
    };
    for (const Case& c : cases) {
        SimHarness sim;
        std::string script = Complement(sim.env.files.Get(".\\PETS\\CAT.ANI"));
        script.replace(script.find(c.from), std::string(c.from).size(), c.to);
        sim.env.files.Put(".\\PETS\\CAT.ANI", Complement(script));
        if (c.starts) {
            ASSERT_TRUE(sim.Start()) << c.to;
            for (const Image& icon : sim.pet().MenuIcons())
                EXPECT_TRUE(icon.empty()) << c.to;
            sim.Input(SimInput::kRButton, 1, 1);  // the menu opens without icons
            EXPECT_EQ(sim.report.Count("menu"), 1);
        } else {
            ExpectFailedStart(sim);
        }
        EXPECT_TRUE(Logged(sim, c.log)) << c.to;
    }
}

// A file layer that fails by throwing, as an allocation may.
class ThrowingFiles : public MemoryFileSystem {
  public:
    explicit ThrowingFiles(const MemoryFileSystem& files) : MemoryFileSystem(files) {}
    FileReadResult ReadFile(const std::string& path) override {
        if (path == ".\\PETS\\CAT.BCF") throw std::bad_alloc();
        return MemoryFileSystem::ReadFile(path);
    }
};

TEST(StartUp, AnExceptionInsideEndsTheProgramAsAFailedStart) {
    SimHarness sim;
    ThrowingFiles files(sim.env.files);
    SimOptions options = SimHarness::DefaultOptions();
    options.files = &files;
    sim.desktop = std::make_unique<CSimDesktop>(options, &sim.report);
    ExpectFailedStart(sim);
    EXPECT_TRUE(Logged(sim,
                       "CPetMainDlg::OnInitDialog() - 처리하지 못한 오류로 프로그램을 "
                       "끝냅니다. (std::bad_alloc)"));
    sim.desktop = std::make_unique<CSimDesktop>(options, &sim.report);
    EXPECT_FALSE(sim.desktop->Check());  // a check meeting it finds the pet unfit
}

TEST_F(StartedPet, StartRecordsTheSystemInTheUserRecord) {
    EXPECT_EQ(sim.pet().GetUserInfo().UserIsConnected, "True");
    EXPECT_EQ(sim.pet().GetUserInfo().UserOS, "Windows XP");
}

}  // namespace
}  // namespace nuv::test
