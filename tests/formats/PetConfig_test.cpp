#include "formats/PetConfig.h"

#include <gtest/gtest.h>

#include <tuple>

#include "formats/ComplementedFile.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::Crlf;

const std::string kUserSection =
    "[User Info]\nUserName;홍길동\nUserSex;남\nUserBirthDate;19800101\nUserLoginID;gildong\n"
    "UserLoginPasswd;secret\nUseremail;gildong@example.com\nUserIsConnected;True\n"
    "UserOS;Windows XP\nUserPoint;120\nUserLevel;2\nUserGold;50\nUser1;1\nUser2;2\nUser3;3\n"
    "User4;4\nUser5;5\n";

class CommonConfig : public ::testing::Test {
  protected:
    // Stores `text` (with "\n" for CR LF) as PET.CFG and reads it as the start-up does.
    bool ReadConfig(const std::string& text) {
        env.files.Put(kPetConfigPath, Complement(Crlf(text)));
        return config.LoadCommonConfigFile(env.files, kPetConfigPath) && config.SetUserInfoPart() &&
               config.SetPetsInfoPart();
    }
    // The same with the user section and then `pets`.
    bool ReadPets(const std::string& pets) { return ReadConfig(kUserSection + pets); }

    test::MemoryEnv env;
    CPetConfig config;
};

TEST_F(CommonConfig, ReadsEveryKeyButTheTwoRefreshedAtStart) {
    ASSERT_TRUE(ReadPets("\n[Pets Info]\nPsNum;0\n"));
    const UserInfo& u = config.GetUserInfo();
    EXPECT_EQ(std::tie(u.UserName, u.UserSex, u.UserBirthDate, u.UserLoginID, u.UserLoginPasswd,
                       u.Useremail, u.UserIsConnected, u.UserOS),
              std::make_tuple("홍길동", "남", "19800101", "gildong", "secret",
                              "gildong@example.com", "", ""));
    EXPECT_EQ(std::tie(u.UserPoint, u.UserLevel, u.UserGold, u.User1, u.User5),
              std::make_tuple(120, 2, 50, 1, 5));
}

TEST_F(CommonConfig, CutsLongTextsToTheirWidth) {
    ASSERT_TRUE(ReadConfig("[User Info]\nUserName;" + std::string(30, 'n') +
                           "\nUserSex;\xBF\xA9\xC0\xDA\xBE\xC6\xC0\xCC\n[Pets Info]\nPsNum;0\n"));
    EXPECT_EQ(config.GetUserInfo().UserName, std::string(19, 'n'));
    EXPECT_EQ(config.GetUserInfo().UserSex,
              "\xBF\xA9\xC0\xDA");  // 여자: five bytes hold two characters
}

TEST_F(CommonConfig, ReadsTheAnnouncedLinesOnly) {
    ASSERT_TRUE(
        ReadPets("[Pets Info]\nPsNum;4\nPs(1,NABI,CAT,False)\n"
                 "Pet(2,DOG,X,True)\nps( 3 , MOMO , DOG , True )\n"
                 "Ps(4,BIRD,X,False\nPs(5,LATE,X,True)\n"));
    const PetsList& pets = config.GetPetsList();
    EXPECT_EQ(pets.PsNum, 4);
    ASSERT_EQ(pets.entries.size(), 2u);
    const auto& first = pets.entries[0];
    const auto& second = pets.entries[1];
    EXPECT_EQ(
        std::tie(first.number, first.name, first.second, second.number, second.name, second.active),
        std::make_tuple(1, "NABI", "CAT", 3, "MOMO", "True"));
    EXPECT_EQ(config.FindActivePet(), 1);
}

TEST_F(CommonConfig, ActiveMarksAreReadInAnyCase) {
    for (const char* mark : {"TRUE", "true", "True", " True"}) {
        ASSERT_TRUE(ReadPets("[Pets Info]\nPsNum;2\nPs(1,A,A,False)\nPs(2,B,B," +
                             std::string(mark) + ")\n"));
        EXPECT_EQ(config.FindActivePet(), 1) << mark;
    }
    ASSERT_TRUE(ReadPets("[Pets Info]\nPsNum;1\nPs(1,A,A,Yes)\n"));
    EXPECT_EQ(config.FindActivePet(), -1);
}

TEST_F(CommonConfig, ReportMissingTextAndSections) {
    EXPECT_FALSE(config.SetUserInfoPart());
    EXPECT_TRUE(env.log.Contains("SetUserInfoPart() - 파일버퍼의 내용이 없습니다."));
    EXPECT_FALSE(config.SetPetsInfoPart());
    EXPECT_TRUE(env.log.Contains("SetPetInfoPart() - 파일버퍼의 내용이 없습니다."));

    EXPECT_FALSE(ReadConfig("[Pets Info]\nPsNum;0\n"));
    EXPECT_TRUE(env.log.Contains("SetUserInfoPart() - 카테고리 '[USER INFO]'의 내용이 없습니다."));

    EXPECT_FALSE(ReadConfig(kUserSection));
    EXPECT_TRUE(env.log.Contains("SetPetsInfoPart() - 카테고리 '[PETS INFO]'의 내용이 없습니다."));
}

TEST_F(CommonConfig, SaveWritesTheFileExactly) {
    ASSERT_TRUE(ReadPets("[Pets Info]\nPsNum;3\nPs(1,NABI,CAT,True)\nPs(2,MOMO,DOG,False)\n"));
    config.GetUserInfo().UserIsConnected = "False";
    config.GetUserInfo().UserOS = "Windows XP";
    ASSERT_TRUE(config.SavePetConfig(env.files));
    // PsNum stays 3 with the two entries read; exactly one empty line before the pets.
    EXPECT_EQ(ReadScriptFile(env.files, kPetConfigPath),
              Crlf("[User Info]\nUserName;홍길동\nUserSex;남\nUserBirthDate;19800101\n"
                   "UserLoginID;gildong\nUserLoginPasswd;secret\nUseremail;gildong@example.com\n"
                   "UserIsConnected;False\nUserOS;Windows XP\nUserPoint;120\nUserLevel;2\n"
                   "UserGold;50\nUser1;1\nUser2;2\nUser3;3\nUser4;4\nUser5;5\n\n[Pets Info]\n"
                   "PsNum;3\nPs(1,NABI,CAT,True)\nPs(2,MOMO,DOG,False)\n"));
    EXPECT_FALSE(env.files.Has(".\\DATA\\PET.CFG.TMP"));
}

TEST_F(CommonConfig, SaveReadsBackTheSameBytes) {
    config.GetUserInfo().UserName = "홍길동";
    config.GetUserInfo().UserGold = -3;
    config.GetUserInfo().User3 = 33;
    config.GetPetsList().PsNum = 2;
    config.GetPetsList().entries = {{1, "NABI", "CAT", "True"}, {2, "MOMO", "", "False"}};
    ASSERT_TRUE(config.SavePetConfig(env.files));
    std::string first = env.files.Get(kPetConfigPath);

    CPetConfig again;
    ASSERT_TRUE(again.LoadCommonConfigFile(env.files, kPetConfigPath));
    ASSERT_TRUE(again.SetUserInfoPart());
    ASSERT_TRUE(again.SetPetsInfoPart());
    EXPECT_EQ(again.GetUserInfo().UserGold, -3);
    EXPECT_EQ(again.GetUserInfo().User3, 33);
    EXPECT_EQ(again.GetPetsList().entries.size(), 2u);
    ASSERT_TRUE(again.SavePetConfig(env.files));
    EXPECT_EQ(env.files.Get(kPetConfigPath), first);
}

// The old file is kept by the save itself (see SaveComplementedFile).
TEST_F(CommonConfig, SaveLogsEachFailedStep) {
    env.files.SetReadOnly(".\\DATA\\PET.CFG.TMP", true);
    EXPECT_FALSE(config.SavePetConfig(env.files));
    EXPECT_TRUE(env.log.Contains("SavePetConfig() - .\\DATA\\PET.CFG.TMP 파일을 열 수 없습니다."));
    env.files.SetReadOnly(".\\DATA\\PET.CFG.TMP", false);

    env.files.FailWritesAfter(0);
    EXPECT_FALSE(config.SavePetConfig(env.files));
    EXPECT_TRUE(env.log.Contains(
        "SavePetConfig() - .\\DATA\\PET.CFG.TMP 파일에 쓸 수 없습니다. Error = 112"));
}

TEST_F(CommonConfig, ClearingEmptiesRecordListAndText) {
    ASSERT_TRUE(ReadPets("[Pets Info]\nPsNum;1\nPs(1,A,A,True)\n"));
    config.ResetPetConfig();
    EXPECT_TRUE(config.ConfigText().empty());
    EXPECT_TRUE(config.GetUserInfo().UserName.empty());
    EXPECT_EQ(config.GetPetsList().PsNum, 0);
    EXPECT_TRUE(config.GetPetsList().entries.empty());
}

TEST_F(CommonConfig, AHugeCountReadsOnlyTheLinesThere) {
    ASSERT_TRUE(ReadPets("[Pets Info]\nPsNum;2000000000\nPs(1,A,A,True)\n"));
    EXPECT_EQ(config.GetPetsList().PsNum, 2000000000);
    EXPECT_EQ(config.GetPetsList().entries.size(), 1u);
}

}  // namespace
}  // namespace nuv
