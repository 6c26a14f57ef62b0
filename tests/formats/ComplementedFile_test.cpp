#include "formats/ComplementedFile.h"

#include <gtest/gtest.h>

#include "support/TestEnv.h"

namespace nuv {
namespace {

const char kPath[] = ".\\DATA\\X.CFG";
const char kConfig[] = ".\\DATA\\PET.CFG";
const char kTemporary[] = ".\\DATA\\PET.CFG.TMP";

class ComplementedFile : public ::testing::Test {
  protected:
    // Saves "new" over the old PET.CFG, which must fail at `step` with `error`.
    void SaveNewFails(SaveResult::Step step, uint32_t error) {
        SaveResult result = SaveComplementedFile(env.files, kTemporary, kConfig, "new");
        EXPECT_EQ(result.step, step);
        EXPECT_EQ(result.error, error);
        EXPECT_FALSE(env.files.Has(kTemporary));
    }

    test::MemoryEnv env;
};

TEST_F(ComplementedFile, ReadUndoesTheComplementUpToAByteFF) {
    env.files.Put(kPath, Complement("[Pet Infos]\r\nPetNo;1"));
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "[Pet Infos]\r\nPetNo;1");
    EXPECT_TRUE(env.log.messages().empty());
    env.files.Put(kPath, Complement(std::string("ab\0cd", 5)));
    EXPECT_EQ(ReadScriptFile(env.files, kPath), "ab");
}

TEST_F(ComplementedFile, ReadLogsEachFailure) {
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

TEST_F(ComplementedFile, SaveReplacesTheOldFileInOneStep) {
    env.files.Put(kConfig, "old");
    SaveResult result = SaveComplementedFile(env.files, kTemporary, kConfig, "new");
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(env.files.Get(kConfig), Complement("new"));
    EXPECT_FALSE(env.files.Has(kTemporary));
    EXPECT_EQ(env.files.DurableWrites(), 1);  // on the disk before it replaces the old one

    // The same text again: the file holds it already, nothing is written.
    env.files.SetReadOnly(kConfig, true);
    EXPECT_TRUE(SaveComplementedFile(env.files, kTemporary, kConfig, "new").ok());
    EXPECT_EQ(env.files.DurableWrites(), 1);
}

TEST_F(ComplementedFile, SaveFailureKeepsTheOldFileAndNoTemporary) {
    env.files.Put(kConfig, "old");
    env.files.FailWritesAfter(0);
    SaveNewFails(SaveResult::kWriteFailed, kErrorDiskFull);
    EXPECT_EQ(env.files.Get(kConfig), "old");

    env.files.FailWritesAfter(-1);
    env.files.SetReadOnly(kConfig, true);
    SaveNewFails(SaveResult::kReplaceFailed, kErrorAccessDenied);
    EXPECT_EQ(env.files.Get(kConfig), "old");

    env.files.RemoveFolder("DATA");
    SaveNewFails(SaveResult::kCreateFailed, kErrorPathNotFound);
}

}  // namespace
}  // namespace nuv
