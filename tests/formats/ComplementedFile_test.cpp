#include "formats/ComplementedFile.h"

#include <gtest/gtest.h>

#include "support/TestEnv.h"

namespace nuv {
namespace {

const char kPath[] = ".\\DATA\\X.CFG";

TEST(ReadScriptFile, UndoesTheComplement) {
    test::MemoryEnv env;
    env.files.Put(kPath, Complement("[Pet Infos]\r\nPetNo;1"));
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "[Pet Infos]\r\nPetNo;1");
    EXPECT_TRUE(env.log.messages().empty());
}

TEST(ReadScriptFile, TextEndsAtAByteFF) {
    test::MemoryEnv env;
    env.files.Put(kPath, Complement(std::string("ab\0cd", 5)));
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "ab");
}

TEST(ReadScriptFile, LogsEachFailure) {
    test::MemoryEnv env;
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "");
    EXPECT_TRUE(env.log.Contains("ReadScriptFile() - .\\DATA\\X.CFG 파일을 열 수 없습니다."));

    env.files.Put(kPath, "");
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "");
    EXPECT_TRUE(
        env.log.Contains("ReadScriptFile() - .\\DATA\\X.CFG 파일의 사이즈는 0 Byte입니다."));

    env.files.Put(kPath, "data");
    env.files.SetLocked(kPath, true);
    env.log.Clear();
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "");
    EXPECT_TRUE(env.log.Contains("ReadScriptFile() - .\\DATA\\X.CFG 파일을 열 수 없습니다."));
}

TEST(SaveComplementedFile, ReplacesTheOldFileInOneStep) {
    test::MemoryEnv env;
    env.files.Put(".\\DATA\\PET.CFG", "old");
    SaveResult result =
        SaveComplementedFile(env.files, ".\\DATA\\PET.CFG.TMP", ".\\DATA\\PET.CFG", "new");
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(env.files.Get(".\\DATA\\PET.CFG"), Complement("new"));
    EXPECT_FALSE(env.files.Has(".\\DATA\\PET.CFG.TMP"));
    EXPECT_EQ(env.files.DurableWrites(), 1);  // on the disk before it replaces the old one
}

TEST(SaveComplementedFile, FailureKeepsTheOldFileAndNoTemporary) {
    test::MemoryEnv env;
    env.files.Put(".\\DATA\\PET.CFG", "old");
    env.files.FailWritesAfter(0);
    SaveResult full =
        SaveComplementedFile(env.files, ".\\DATA\\PET.CFG.TMP", ".\\DATA\\PET.CFG", "new");
    EXPECT_EQ(full.step, SaveResult::kWriteFailed);
    EXPECT_EQ(full.error, kErrorDiskFull);
    EXPECT_EQ(env.files.Get(".\\DATA\\PET.CFG"), "old");
    EXPECT_FALSE(env.files.Has(".\\DATA\\PET.CFG.TMP"));

    env.files.FailWritesAfter(-1);
    env.files.SetReadOnly(".\\DATA\\PET.CFG", true);
    SaveResult readOnly =
        SaveComplementedFile(env.files, ".\\DATA\\PET.CFG.TMP", ".\\DATA\\PET.CFG", "new");
    EXPECT_EQ(readOnly.step, SaveResult::kReplaceFailed);
    EXPECT_EQ(readOnly.error, kErrorAccessDenied);
    EXPECT_EQ(env.files.Get(".\\DATA\\PET.CFG"), "old");
    EXPECT_FALSE(env.files.Has(".\\DATA\\PET.CFG.TMP"));

    env.files.RemoveFolder("DATA");
    SaveResult noFolder =
        SaveComplementedFile(env.files, ".\\DATA\\PET.CFG.TMP", ".\\DATA\\PET.CFG", "new");
    EXPECT_EQ(noFolder.step, SaveResult::kCreateFailed);
    EXPECT_EQ(noFolder.error, kErrorPathNotFound);
}

}  // namespace
}  // namespace nuv
