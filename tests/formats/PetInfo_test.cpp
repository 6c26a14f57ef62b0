#include "formats/PetInfo.h"

#include <gtest/gtest.h>

#include <tuple>

#include "formats/ComplementedFile.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::Crlf;

const char kStatePath[] = ".\\DATA\\CAT.CFG";

// Stores `text` (with "\n" for CR LF) complemented, loads it and reads the record.
bool ReadStateInto(test::MemoryEnv& env, CPetInfo& info, const std::string& text) {
    env.files.Put(kStatePath, Complement(Crlf(text)));
    return info.LoadPetStateFile(env.files, kStatePath) && info.SetPetInfosPart();
}

PetInfos SampleInfos() {
    PetInfos p;
    p.PetNo = 7;
    p.PetType = "CAT";
    p.PetDesc = "회색 고양이";
    p.PetName = "나비";
    p.PetStartDate = "20021130";
    p.PetLastDate = "200001010000";
    p.PetPeedTime = 3000000000u;
    p.PetLevel = 2;
    p.PetScore = -4;
    p.PetGold = 5;
    p.PetPoint = 150;
    for (int i = 0; i < PetInfos::kCounters; ++i)
        *p.Counter(i) = 1000 * (i + 1);
    p.PetOnTop = 1;
    p.PetOnSound = 0;
    return p;
}

class PetState : public ::testing::Test {
  protected:
    bool ReadState(const std::string& text) { return ReadStateInto(env, info, text); }

    test::MemoryEnv env;
    CPetInfo info;
};

TEST_F(PetState, SaveWritesTheStateFileExactly) {
    env.clock.SetStart({2003, 1, 2, 14, 5, 59});
    info.GetPetInfos() = SampleInfos();
    env.clock.SetTicks(1500);
    ASSERT_TRUE(info.SaveConfigData(env.files, env.clock, 1000));
    EXPECT_EQ(ReadScriptFile(env.files, kStatePath),
              Crlf("[Pet Infos]\nPetNo;7\nPetType;CAT\nPetDesc;회색 고양이\nPetName;나비\n"
                   "PetOnTop;1\nPetOnSound;0\nPetStartDate;20021130\nPetLastDate;200301021405\n"
                   "PetPeedTime;-1294966796\nPetLevel;2\nPetScore;-4\nPetGold;5\nPetPoint;150\n"
                   "PetS0;1000\nPetS1;2000\nPetS2;3000\nPetS3;4000\nPetS4;5000\nPetS5;6000\n"
                   "PetS6;7000\nPetS7;8000\nPetS8;9000\nPetS9;10000\n"));
    EXPECT_FALSE(env.files.Has(".\\DATA\\CAT.TMP"));
    EXPECT_EQ(info.GetPetInfos().PetPeedTime, 3000000000u);  // the record is unchanged
}

TEST_F(PetState, SaveReadsBackEveryValue) {
    info.GetPetInfos() = SampleInfos();
    env.clock.SetTicks(10);
    ASSERT_TRUE(
        info.SaveConfigData(env.files, env.clock, 4294967290u));  // the tick count wrapped since
    std::string saved = env.files.Get(kStatePath);

    CPetInfo again;
    ASSERT_TRUE(again.LoadPetStateFile(env.files, kStatePath));
    ASSERT_TRUE(again.SetPetInfosPart());
    EXPECT_EQ(again.GetPetInfos().PetLastDate, "200211300903");
    EXPECT_EQ(again.GetPetInfos().PetPeedTime, 3000000016u);

    // Saving what was read, with no time passed, gives the same bytes: every value the file
    // holds (see WritesTheStateFileExactly) was read back.
    env.clock.SetTicks(0);
    ASSERT_TRUE(again.SaveConfigData(env.files, env.clock, 0));
    EXPECT_EQ(env.files.Get(kStatePath), saved);
}

TEST_F(PetState, ReadKeysInAnyCaseButNotWithBlanks) {
    ASSERT_TRUE(
        ReadState("[pet infos]\npetlevel;3\nPetScore ;9\nPetGold;\t4 // gold\n"
                  "Unknown;1\nPetPoint;1\nPetPoint;2\n"));
    const PetInfos& p = info.GetPetInfos();
    // The later of two lines wins.
    EXPECT_EQ(std::tie(p.PetLevel, p.PetScore, p.PetGold, p.PetPoint), std::make_tuple(3, 0, 4, 2));
}

TEST_F(PetState, ReadCutsTextsAndLimitsThePeedTime) {
    ASSERT_TRUE(
        ReadState("[Pet Infos]\nPetName; abcdefghijklmnopqrstuvwxy \n"
                  "PetType;abcdefgh\xB0\xED\nPetPeedTime;5000000000\n"));
    EXPECT_EQ(info.GetPetInfos().PetName, "abcdefghijklmnopqrs");
    EXPECT_EQ(info.GetPetInfos().PetType, "abcdefgh");  // never half a character
    EXPECT_EQ(info.GetPetInfos().PetPeedTime, 4294967295u);

    ASSERT_TRUE(ReadState("[Pet Infos]\nPetPeedTime;-1\n"));
    EXPECT_EQ(info.GetPetInfos().PetPeedTime, 4294967295u);
}

TEST_F(PetState, ReadEmptyTextFailsAndAMissingSectionSetsNothing) {
    EXPECT_FALSE(info.LoadPetStateFile(env.files, kStatePath));
    EXPECT_FALSE(info.SetPetInfosPart());
    EXPECT_TRUE(env.log.Contains("SetPetInfosPart() - 파일버퍼의 내용이 없습니다."));

    info.GetPetInfos().PetLevel = 9;
    EXPECT_TRUE(ReadState("[Other]\nPetLevel;3\n"));
    EXPECT_EQ(info.GetPetInfos().PetLevel, 0);

    info.ResetPetInfos();
    EXPECT_TRUE(info.StateText().empty());
}

TEST_F(PetState, SaveAnEmptyTypeSavesToDotCfg) {
    EXPECT_TRUE(info.SaveConfigData(env.files, env.clock, 0));
    EXPECT_TRUE(env.files.Has(".\\DATA\\.CFG"));
}

// The old file is kept by the save itself (see SaveComplementedFile).
TEST_F(PetState, SaveEachFailedStepIsLogged) {
    info.GetPetInfos().PetType = "CAT";

    env.files.RemoveFolder(".\\DATA");
    EXPECT_FALSE(info.SaveConfigData(env.files, env.clock, 0));
    EXPECT_TRUE(
        env.log.Contains("SaveConfigData() - .\\DATA\\CAT.TMP 파일을 열 수 없습니다. Error = 3"));
    env.files.AddFolder(".\\DATA");

    env.files.FailWritesAfter(0);
    EXPECT_FALSE(info.SaveConfigData(env.files, env.clock, 0));
    EXPECT_TRUE(
        env.log.Contains("SaveConfigData() - .\\DATA\\CAT.TMP 파일에 쓸 수 없습니다. Error = 112"));
    env.files.FailWritesAfter(-1);

    env.files.Put(kStatePath, "old");
    env.files.SetReadOnly(kStatePath, true);
    EXPECT_FALSE(info.SaveConfigData(env.files, env.clock, 0));
    EXPECT_TRUE(env.log.Contains(
        "SaveConfigData() - .\\DATA\\CAT.TMP 파일을 .\\DATA\\CAT.CFG 파일로 바꿀 수 없습니다. "
        "Error = 5"));
}

// The state goes back to the file it was read from: a type naming PET.CFG or another pet's
// file is a value only, kept as it was and logged once.
TEST(SaveConfigData, SavesToTheFileItWasReadFromWhateverTheType) {
    for (const char* type : {"PET", "DOG", "CON", "..\\X"}) {
        test::MemoryEnv env;
        env.files.Put(".\\DATA\\PET.CFG", "common");
        env.files.Put(".\\DATA\\DOG.CFG", "dog");
        CPetInfo info;
        ASSERT_TRUE(ReadStateInto(env, info, std::string("[Pet Infos]\nPetType;") + type + "\n"));
        EXPECT_EQ(env.log.messages().size(), 1u) << type;
        EXPECT_TRUE(info.SaveConfigData(env.files, env.clock, 0)) << type;
        EXPECT_EQ(info.StateFilePath(), kStatePath);
        EXPECT_EQ(env.files.Get(".\\DATA\\PET.CFG"), "common");
        EXPECT_EQ(env.files.Get(".\\DATA\\DOG.CFG"), "dog");
        std::string saved = ReadScriptFile(env.files, kStatePath);
        EXPECT_NE(saved.find(std::string("PetType;") + type + "\r\n"), std::string::npos);
        EXPECT_EQ(env.log.messages().size(), 1u) << type;
    }
    test::MemoryEnv env;
    CPetInfo info;
    ASSERT_TRUE(ReadStateInto(env, info, "[Pet Infos]\nPetType;cat\n"));  // its own name
    EXPECT_TRUE(env.log.messages().empty());
}

TEST_F(PetState, SaveATypeThatLeadsOutOfTheDataFolderIsRefused) {
    for (const char* type : {"..\\X", "A/B", "C:X", "..", "NUL", "com1.x"}) {
        info.GetPetInfos().PetType = type;
        EXPECT_FALSE(info.SaveConfigData(env.files, env.clock, 0)) << type;
    }
    EXPECT_EQ(env.log.messages().size(), 6u);
}

}  // namespace
}  // namespace nuv
