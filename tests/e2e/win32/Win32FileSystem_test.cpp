#include "win32/Win32FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../../ports/FileSystemContract.h"
#include "base/Log.h"
#include "ports/FileLog.h"
#include "win32/Win32Clock.h"
#include "win32/WinApi.h"

namespace nuv::win32 {
namespace {

// A fresh folder below the temporary folder, removed with everything in it.
class Win32FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"nuvfs" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(GetTickCount());
        ASSERT_TRUE(CreateDirectoryW(root_.c_str(), nullptr));
        files_ = Win32FileSystem(root_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::wstring Host(const std::wstring& name) const { return root_ + L"\\" + name; }

    std::wstring root_;
    Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, KeepsTheContractOfEveryFileSystem) {
    nuv::test::CheckFileSystemContract(files_, [this](const std::string& name) {
        CreateDirectoryW(Host(std::wstring(name.begin(), name.end())).c_str(), nullptr);
    });
}

TEST_F(Win32FileSystemTest, HangulPathsBecomeTheirUtf16Names) {
    ASSERT_TRUE(CreateDirectoryW(Host(L"데이터").c_str(), nullptr));
    // The literal is code page 949 bytes, as every text inside the program.
    ASSERT_TRUE(files_.WriteFile(".\\데이터\\고양이.CFG", "야옹", false).ok());
    EXPECT_NE(GetFileAttributesW(Host(L"데이터\\고양이.CFG").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(files_.FileExists(".\\데이터\\고양이.CFG"));
    EXPECT_EQ(files_.ReadFile(".\\데이터\\고양이.CFG").data, "야옹");
}

TEST_F(Win32FileSystemTest, FilesAreOpenedWithoutSharing) {
    ASSERT_TRUE(files_.WriteFile(".\\PET.CFG", "abc", false).ok());
    HANDLE other = CreateFileW(Host(L"PET.CFG").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    FileReadResult read = files_.ReadFile(".\\PET.CFG");
    EXPECT_EQ(read.status, FileReadResult::kOpenFailed);
    EXPECT_EQ(read.error, kErrorSharingViolation);
    FileWriteResult write = files_.WriteFile(".\\PET.CFG", "new", false);
    EXPECT_EQ(write.status, FileWriteResult::kCreateFailed);
    EXPECT_EQ(write.error, kErrorSharingViolation);
    EXPECT_EQ(files_.AppendFile(".\\PET.CFG", "more"), kErrorSharingViolation);
    uint64_t size = 0;
    EXPECT_EQ(files_.FileSize(".\\PET.CFG", &size), kErrorSuccess);  // attributes only
    EXPECT_EQ(size, 3u);
    CloseHandle(other);
    EXPECT_EQ(files_.ReadFile(".\\PET.CFG").data, "abc");
}

TEST_F(Win32FileSystemTest, ReadOnlyFilesRefuseWrites) {
    ASSERT_TRUE(files_.WriteFile(".\\PET.CFG", "kept", false).ok());
    ASSERT_TRUE(SetFileAttributesW(Host(L"PET.CFG").c_str(), FILE_ATTRIBUTE_READONLY));
    FileWriteResult write = files_.WriteFile(".\\PET.CFG", "lost", true);
    EXPECT_EQ(write.status, FileWriteResult::kCreateFailed);
    EXPECT_EQ(write.error, kErrorAccessDenied);
    EXPECT_EQ(files_.AppendFile(".\\PET.CFG", "more"), kErrorAccessDenied);
    EXPECT_EQ(files_.DeleteFile(".\\PET.CFG"), kErrorAccessDenied);
    ASSERT_TRUE(files_.WriteFile(".\\PET.TMP", "new", false).ok());
    EXPECT_EQ(files_.ReplaceFile(".\\PET.TMP", ".\\PET.CFG"), kErrorAccessDenied);
    EXPECT_EQ(files_.ReadFile(".\\PET.CFG").data, "kept");
    SetFileAttributesW(Host(L"PET.CFG").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FileSystemTest, PathsThatAreNotCodePage949AreRefused) {
    const std::string zero("A\0B.CFG", 7);
    EXPECT_EQ(files_.WriteFile(zero, "x", false).error, kErrorInvalidName);
    EXPECT_EQ(files_.ReadFile("\xff\xff.CFG").error, kErrorInvalidName);
    EXPECT_EQ(files_.ReadFile("").error, kErrorInvalidName);
    EXPECT_FALSE(files_.FileExists("\xff.CFG"));
    std::wstring host;
    EXPECT_EQ(files_.HostPath("C:\\ABS.CFG", &host), kErrorSuccess);
    EXPECT_EQ(host, L"C:\\ABS.CFG");  // absolute paths are not put below the root
}

TEST_F(Win32FileSystemTest, TheLogWritesCodePage949ThroughIt) {
    ASSERT_TRUE(CreateDirectoryW(Host(L"ETCS").c_str(), nullptr));
    Win32Clock clock;
    FileLog fileLog(files_, clock);
    {
        LogSinkScope logged(&fileLog);
        WriteLog("InitPet() - 시작");
    }
    std::string log = files_.ReadFile(kLogPath).data;
    EXPECT_NE(log.find("InitPet() - 시작\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace nuv::win32
