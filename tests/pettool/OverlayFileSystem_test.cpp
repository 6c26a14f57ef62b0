// The file system of simulated runs: the pet's files are read, and every change stays in memory.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include "host/OverlayFileSystem.h"
#include "store/MemoryFileSystem.h"

namespace nuv {
namespace {

class OverlayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        base_.Put(".\\DATA\\PET.CFG", "config");
        base_.Put(".\\ETCS\\PETLOG.TXT", "old log\r\n");
    }
    std::string Read(const std::string& path) {
        FileReadResult r = overlay_.ReadFile(path);
        return r.status == FileReadResult::kOk ? r.data : "<none>";
    }
    MemoryFileSystem base_;
    OverlayFileSystem overlay_{base_};
};

TEST_F(OverlayTest, ReadsTheBaseAndWritesOnlyInMemory) {
    EXPECT_EQ(Read(".\\DATA\\PET.CFG"), "config");
    EXPECT_EQ(Read(".\\data\\pet.cfg"), "config");  // names in any letter case, as on Windows
    ASSERT_TRUE(overlay_.WriteFile(".\\DATA\\PET.CFG", "saved", true).ok());
    EXPECT_EQ(Read(".\\DATA\\PET.CFG"), "saved");
    EXPECT_EQ(base_.Get(".\\DATA\\PET.CFG"), "config");

    EXPECT_EQ(overlay_.AppendFile(".\\ETCS\\PETLOG.TXT", "new\r\n"), 0u);
    EXPECT_EQ(Read(".\\ETCS\\PETLOG.TXT"), "old log\r\nnew\r\n");
    uint64_t size = 0;
    EXPECT_EQ(overlay_.FileSize(".\\ETCS\\PETLOG.TXT", &size), 0u);
    EXPECT_EQ(size, 14u);
    EXPECT_EQ(base_.Get(".\\ETCS\\PETLOG.TXT"), "old log\r\n");
}

TEST_F(OverlayTest, ReplacingThroughATemporaryFileLeavesTheBaseAlone) {
    // The way the configuration files are saved: write .TMP, delete the old file, rename.
    ASSERT_TRUE(overlay_.WriteFile(".\\DATA\\PET.CFG.TMP", "new", false).ok());
    EXPECT_EQ(overlay_.DeleteFile(".\\DATA\\PET.CFG"), 0u);
    EXPECT_FALSE(overlay_.FileExists(".\\DATA\\PET.CFG"));
    EXPECT_EQ(Read(".\\DATA\\PET.CFG"), "<none>");
    EXPECT_EQ(overlay_.ReplaceFile(".\\DATA\\PET.CFG.TMP", ".\\DATA\\PET.CFG"), 0u);
    EXPECT_EQ(Read(".\\DATA\\PET.CFG"), "new");
    EXPECT_FALSE(overlay_.FileExists(".\\DATA\\PET.CFG.TMP"));
    EXPECT_EQ(base_.Get(".\\DATA\\PET.CFG"), "config");
    EXPECT_FALSE(base_.Has(".\\DATA\\PET.CFG.TMP"));
}

TEST_F(OverlayTest, MissingFilesReportTheirErrors) {
    EXPECT_EQ(overlay_.ReadFile(".\\DATA\\NONE.CFG").status, FileReadResult::kOpenFailed);
    EXPECT_EQ(overlay_.DeleteFile(".\\DATA\\NONE.CFG"), uint32_t(kErrorFileNotFound));
    EXPECT_EQ(overlay_.ReplaceFile(".\\DATA\\NONE.CFG", ".\\DATA\\X.CFG"),
              uint32_t(kErrorFileNotFound));
    uint64_t size = 0;
    EXPECT_EQ(overlay_.DeleteFile(".\\DATA\\PET.CFG"), 0u);
    EXPECT_EQ(overlay_.FileSize(".\\DATA\\PET.CFG", &size), uint32_t(kErrorFileNotFound));
    EXPECT_EQ(overlay_.DeleteFile(".\\DATA\\PET.CFG"), uint32_t(kErrorFileNotFound));
    // A deleted file written again is back.
    ASSERT_TRUE(overlay_.WriteFile(".\\DATA\\PET.CFG", "again", false).ok());
    EXPECT_EQ(Read(".\\DATA\\PET.CFG"), "again");
}

}  // namespace
}  // namespace nuv

#endif  // NUV_PETTOOL
