#include "base/Log.h"

#include <gtest/gtest.h>

#include "support/TestEnv.h"

namespace nuv {
namespace {

TEST(FormatLogTime, TwoDigitFieldsAndFourDigitYear) {
    EXPECT_EQ(FormatLogTime({2002, 11, 30, 9, 3, 7}), "09:03:07 2002/11/30");
}

TEST(WriteLog, AppendsTimeStampedRecords) {
    test::MemoryEnv env;
    WriteLog("\r\n\r\nNUV Pet Start...\r\n");
    env.clock.Advance(1000);
    WriteLogF("[ Active Pet Number : '%d' ]", 0);
    EXPECT_EQ(env.files.Get(kLogPath),
              "09:03:07 2002/11/30: \r\n\r\nNUV Pet Start...\r\n\r\n"
              "09:03:08 2002/11/30: [ Active Pet Number : '0' ]\r\n");
    EXPECT_EQ(env.log.messages().size(), 2u);
    EXPECT_TRUE(env.log.Contains("[ Active Pet Number : '0' ]"));
    EXPECT_FALSE(env.log.Contains("[ Active Pet Number : '1' ]"));
}

TEST(WriteLog, StartsAnewOnlyBeyondTheLimit) {
    test::MemoryEnv env;
    std::string full(kLogSizeLimit, 'x');
    env.files.Put(kLogPath, full);
    WriteLog("kept");
    EXPECT_EQ(env.files.Get(kLogPath).size(), kLogSizeLimit + 27);

    env.files.Put(kLogPath, full + "y");
    WriteLog("new");
    EXPECT_EQ(env.files.Get(kLogPath), "09:03:07 2002/11/30: new\r\n");
}

TEST(WriteLog, SilentWithoutTheFolderOrWhenLocked) {
    test::MemoryEnv env;
    env.files.RemoveFolder("ETCS");
    WriteLog("lost");
    EXPECT_FALSE(env.files.Has(kLogPath));
    EXPECT_TRUE(env.log.Contains("lost"));  // observers still hear it

    env.files.AddFolder("ETCS");
    env.files.Put(kLogPath, "old");
    env.files.SetLocked(kLogPath, true);
    WriteLog("locked");
    EXPECT_EQ(env.files.Get(kLogPath), "old");
}

TEST(LogCapture, NestsAndRestores) {
    test::MemoryEnv env;
    {
        LogCapture inner;
        WriteLog("inner");
        EXPECT_EQ(inner.messages().size(), 1u);
    }
    WriteLog("outer");
    EXPECT_EQ(env.log.messages().size(), 1u);
    EXPECT_EQ(env.log.messages()[0], "outer");
}

}  // namespace
}  // namespace nuv
