#pragma once
// What every file layer does alike, run against each implementation (the standard one, the
// in-memory one, the durable POSIX one, and the Win32 one in the shell's tests).

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ports/FileSystem.h"

namespace nuv::test {

// `files` works on an empty root; `makeFolder` creates a folder in that root.
inline void CheckFileSystemContract(IFileSystem& files,
                                    const std::function<void(const std::string&)>& makeFolder) {
    makeFolder("Data");
    // Binary data whole, names without regard to letter case.
    const std::string data("line 1\r\n\0\xff\x80 end", 15);
    ASSERT_TRUE(files.WriteFile(".\\DATA\\PET.CFG", data, true).ok());
    FileReadResult read = files.ReadFile(".\\data\\Pet.cfg");
    EXPECT_EQ(read.status, FileReadResult::kOk);
    EXPECT_EQ(read.error, kErrorSuccess);
    EXPECT_EQ(read.size, data.size());
    EXPECT_EQ(read.data, data);
    uint64_t size = 0;
    EXPECT_EQ(files.FileSize(".\\DATA\\pet.cfg", &size), kErrorSuccess);
    EXPECT_EQ(size, data.size());
    EXPECT_TRUE(files.FileExists(".\\Data\\PET.CFG"));
    ASSERT_TRUE(files.WriteFile(".\\DATA\\PET.CFG", "", false).ok());
    read = files.ReadFile(".\\DATA\\PET.CFG");
    EXPECT_EQ(read.status, FileReadResult::kOk);
    EXPECT_EQ(read.data, "");

    EXPECT_EQ(files.AppendFile(".\\DATA\\LOG.TXT", "one\r\n"), kErrorSuccess);  // creates
    EXPECT_EQ(files.AppendFile(".\\DATA\\log.txt", "two\r\n"), kErrorSuccess);
    EXPECT_EQ(files.ReadFile(".\\DATA\\LOG.TXT").data, "one\r\ntwo\r\n");

    ASSERT_TRUE(files.WriteFile(".\\DATA\\PET.TMP", "new", true).ok());
    EXPECT_EQ(files.ReplaceFile(".\\DATA\\PET.TMP", ".\\DATA\\PET.CFG"), kErrorSuccess);
    EXPECT_FALSE(files.FileExists(".\\DATA\\PET.TMP"));
    EXPECT_EQ(files.ReadFile(".\\DATA\\PET.CFG").data, "new");
    EXPECT_EQ(files.ReplaceFile(".\\DATA\\PET.CFG", ".\\DATA\\MOVED.CFG"), kErrorSuccess);
    EXPECT_EQ(files.ReadFile(".\\DATA\\MOVED.CFG").data, "new");
    EXPECT_EQ(files.DeleteFile(".\\DATA\\MOVED.CFG"), kErrorSuccess);
    EXPECT_FALSE(files.FileExists(".\\DATA\\MOVED.CFG"));

    // Missing files and folders give the Windows codes; a folder is no file.
    read = files.ReadFile(".\\DATA\\NONE.CFG");
    EXPECT_EQ(read.status, FileReadResult::kOpenFailed);
    EXPECT_EQ(read.error, kErrorFileNotFound);
    EXPECT_EQ(files.ReadFile(".\\NODIR\\NONE.CFG").error, kErrorPathNotFound);
    FileWriteResult write = files.WriteFile(".\\NODIR\\NEW.CFG", "x", false);
    EXPECT_EQ(write.status, FileWriteResult::kCreateFailed);
    EXPECT_EQ(write.error, kErrorPathNotFound);
    EXPECT_EQ(files.AppendFile(".\\NODIR\\LOG.TXT", "x"), kErrorPathNotFound);
    size = 7;
    EXPECT_EQ(files.FileSize(".\\DATA\\NONE.CFG", &size), kErrorFileNotFound);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(files.DeleteFile(".\\DATA\\NONE.CFG"), kErrorFileNotFound);
    EXPECT_EQ(files.ReplaceFile(".\\DATA\\NONE.TMP", ".\\DATA\\NONE.CFG"), kErrorFileNotFound);
    EXPECT_FALSE(files.FileExists(".\\DATA\\NONE.CFG"));
    EXPECT_FALSE(files.FileExists(".\\DATA"));
    EXPECT_EQ(files.ReadFile(".\\DATA").error, kErrorAccessDenied);
}

}  // namespace nuv::test
