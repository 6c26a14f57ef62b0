#include "ports/StdFileSystem.h"

#include <gtest/gtest.h>

#include <fstream>

#include "FileSystemContract.h"
#include "host/PosixFileSystem.h"
#include "sim/MemoryFileSystem.h"
#include "support/TempFolder.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {
namespace fs = std::filesystem;

class StdFileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(root_ / "Data"); }

    test::TempFolder folder_{"nuv-fs"};
    fs::path root_ = folder_.path();
};

TEST(FileSystemContract, HoldsForTheStandardInMemoryAndDurableFileSystems) {
    test::TempFolder plain("nuv-fs"), posix("nuv-fs");
    StdFileSystem standard(plain.path());
    PosixFileSystem durable(posix.path());
    MemoryFileSystem memory;
    const std::pair<IFileSystem*, fs::path> cases[] = {
        {&standard, plain.path()}, {&durable, posix.path()}, {&memory, fs::path()}};
    for (const auto& [files, root] : cases) {
        SCOPED_TRACE(root.string());
        const fs::path folder = root;
        test::CheckFileSystemContract(*files, [&memory, folder](const std::string& name) {
            if (folder.empty()) return memory.AddFolder(name);
            fs::create_directories(folder / name);
        });
    }
}

TEST_F(StdFileSystemTest, AReplacementKeepsTheStoredName) {
    StdFileSystem files(root_);
    std::ofstream(root_ / "Data" / "a.cfg") << "old";
    std::ofstream(root_ / "Data" / "a.tm") << "other";
    std::ofstream(root_ / "Data" / "a.tmp") << "left";  // a temporary of another case is reused
    ASSERT_TRUE(files.WriteFile(".\\DATA\\A.TMP", "new", true).ok());
    EXPECT_EQ(files.ReplaceFile(".\\DATA\\A.TMP", ".\\DATA\\A.CFG"), kErrorSuccess);
    EXPECT_EQ(files.ReadFile(".\\DATA\\A.CFG").data, "new");
    EXPECT_TRUE(fs::exists(root_ / "Data" / "a.cfg"));
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "Data"), fs::directory_iterator()), 2);
}

TEST_F(StdFileSystemTest, ReplacementsShareOneDeferredFolderSync) {
    PosixFileSystem files(root_);
    int scheduled = 0;
    files.DeferFolderSyncs([&] { ++scheduled; });
    for (std::string name : {"A", "B"}) {
        ASSERT_TRUE(files.WriteFile(".\\DATA\\" + name + ".TMP", name, true).ok());
        EXPECT_EQ(files.ReplaceFile(".\\DATA\\" + name + ".TMP", ".\\DATA\\" + name + ".CFG"),
                  kErrorSuccess);
    }
    EXPECT_EQ(scheduled, 1);
    EXPECT_TRUE(files.FolderSyncsPending());
    files.SyncFolders();
    EXPECT_FALSE(files.FolderSyncsPending());
    EXPECT_EQ(files.ReplaceFile(".\\DATA\\NONE.TMP", ".\\DATA\\C.CFG"), kErrorFileNotFound);
    EXPECT_FALSE(files.FolderSyncsPending());  // nothing replaced: nothing to sync
    EXPECT_EQ(files.ReadFile(".\\DATA\\B.CFG").data, "B");
}

TEST_F(StdFileSystemTest, PathsFromTheHostRootIgnoreTheRootFolder) {
    std::ofstream(root_ / "Data" / "Pet.cfg") << "abc";
    ASSERT_TRUE(root_.is_absolute());
    StdFileSystem files(".");
    std::string absolute = (root_ / "DATA" / "PET.CFG").string();
    EXPECT_EQ(files.HostPath(absolute), root_ / "Data" / "Pet.cfg");
    EXPECT_EQ(files.ReadFile(absolute).data, "abc");
    EXPECT_TRUE(files.WriteFile((root_ / "data" / "new.cfg").string(), "x", false).ok());
    EXPECT_TRUE(fs::exists(root_ / "Data" / "new.cfg"));
}

// Two runs of one test at once each work in a folder of their own.
TEST(TempFolders, AreNewForEveryUseAndRemoveOnlyThemselves) {
    fs::path kept;
    {
        test::TempFolder first("nuv-fs");
        test::TempFolder second("nuv-fs");
        EXPECT_NE(first.path(), second.path());
        EXPECT_TRUE(fs::is_directory(first.path()) && fs::is_empty(first.path()));
        kept = second.path();
        {
            test::TempFolder again("nuv-fs");
            std::ofstream(again.path() / "x") << "x";
        }
        EXPECT_TRUE(fs::is_directory(kept));
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(DeviceNames, AreRefusedInEveryPathThroughTheFileLayer) {
    for (const char* name : {"CON", "nul", "Aux.cfg", "PRN.TXT.BAK", "com1", "LPT9.CUR", "con .x"})
        EXPECT_TRUE(IsDeviceName(name)) << name;
    for (const char* name : {"CONS", "COM0", "COM10", "LPT", "NULL.CFG", "XCON", "", "."})
        EXPECT_FALSE(IsDeviceName(name)) << name;
    EXPECT_TRUE(NamesDevice(".\\PETS\\NUL.BCF"));
    EXPECT_TRUE(NamesDevice(".\\AUX\\A.BMP"));
    EXPECT_TRUE(NamesDevice("PETS/Com3"));
    EXPECT_FALSE(NamesDevice(".\\PETS\\CAT.BCF"));
    EXPECT_FALSE(NamesDevice("/tmp/con/x"));  // the host's own path

    test::MemoryEnv env;
    DeviceNameGuard guard(env.files);
    env.files.Put(".\\PETS\\NUL.BCF", "x");
    FileReadResult read = guard.ReadFile(".\\PETS\\NUL.BCF");
    EXPECT_EQ(read.status, FileReadResult::kOpenFailed);
    EXPECT_EQ(read.error, kErrorInvalidName);
    EXPECT_FALSE(guard.FileExists(".\\PETS\\nul.bcf"));
    EXPECT_EQ(guard.WriteFile(".\\DATA\\COM1.TMP", "x", true).error, kErrorInvalidName);
    EXPECT_EQ(guard.AppendFile(".\\DATA\\lpt1", "x"), kErrorInvalidName);
    EXPECT_EQ(guard.ReplaceFile(".\\DATA\\A.TMP", ".\\DATA\\CON.CFG"), kErrorInvalidName);
    EXPECT_FALSE(env.files.Has(".\\DATA\\COM1.TMP"));
    EXPECT_EQ(guard.ReadFile(".\\PETS\\NULL.BCF").error, kErrorFileNotFound);
}

}  // namespace
}  // namespace nuv
