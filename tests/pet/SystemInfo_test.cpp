// The system services of the pet: the Windows version's name and the system cursors.

#include <gtest/gtest.h>

#include "pet/SystemInfo.h"
#include "sim/SimCursors.h"
#include "sim/SimSystem.h"
#include "support/SimHarness.h"
#include "support/TestEnv.h"

namespace nuv::test {
namespace {

OsVersion Version(int platform, uint32_t major, uint32_t minor, std::string pack = "") {
    OsVersion v;
    v.platform = platform;
    v.major = major;
    v.minor = minor;
    v.servicePack = std::move(pack);
    return v;
}

TEST(WindowsVersionName, NamesTheVersionsOfTheTable) {
    struct Case {
        OsVersion version;
        const char* name;
    };
    const Case cases[] = {
        {Version(OsVersion::kWin32s, 3, 10), "Window 3.1 Win32s"},
        {Version(OsVersion::kWindows9x, 4, 0), "Windows 95"},
        {Version(OsVersion::kWindows9x, 4, 0, " C"), "Windows 95 OSR2"},
        {Version(OsVersion::kWindows9x, 4, 0, " c"), "Windows 95 OSR2"},
        {Version(OsVersion::kWindows9x, 4, 0, " B"), "Windows 95"},
        {Version(OsVersion::kWindows9x, 4, 10), "Windows 98"},
        {Version(OsVersion::kWindows9x, 4, 10, " A"), "Windows 98 SE"},
        {Version(OsVersion::kWindows9x, 4, 10, " a"), "Windows 98 SE"},
        {Version(OsVersion::kWindows9x, 4, 90), "Windows ME"},
        {Version(OsVersion::kWindows9x, 4, 50), ""},
        {Version(OsVersion::kWindowsNt, 3, 51), "Windows NT 3.51"},
        {Version(OsVersion::kWindowsNt, 4, 0), "Windows NT 4.0"},
        {Version(OsVersion::kWindowsNt, 5, 0), "Windows 2000"},
        {Version(OsVersion::kWindowsNt, 5, 1), "Windows XP"},
        {Version(OsVersion::kWindowsNt, 5, 2), "Windows .NET Server"},
        {Version(OsVersion::kWindowsNt, 5, 3), ""},
        {Version(OsVersion::kWindowsNt, 6, 1), ""},
        {Version(OsVersion::kOther, 5, 1), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowsVersionName(c.version), c.name)
            << c.version.platform << " " << c.version.major << "." << c.version.minor;
    }
}

// The simulated desktop's services; the cursors it applies are told as events.
class SystemInfo : public ::testing::Test {
  protected:
    SystemInfo() {
        system.internet = false;
        info.AttachSystem(system, cursors, NoDesktop());
    }
    std::vector<std::string> Applied() const {
        std::vector<std::string> applied;
        for (const SimEvent& e : report.Named("cursor"))
            applied.push_back(e.texts[0]);
        return applied;
    }
    MemoryEnv env;
    RecordingReporter report;
    CSimContext sim{&report};
    CSimSystem system{sim};
    CSimCursors cursors{sim};
    CSystemInfo info;
};

TEST_F(SystemInfo, AFailedVersionQueryIsLoggedAndGivesNoName) {
    system.versionError = 87;
    EXPECT_EQ(info.GetWindowType(), "");
    EXPECT_TRUE(env.log.Contains(
        "GetWindowType() - 시스템으로부터 OS 버전을 얻어오지 못했습니다. Error = 87"));
    system.versionError = 0;
    system.version = Version(OsVersion::kWindowsNt, 4, 0);
    EXPECT_EQ(info.GetWindowType(), "Windows NT 4.0");
    EXPECT_EQ(info.IsInternetAvailable(), 0);
}

TEST_F(SystemInfo, ASecondReplacementKeepsTheUsersCursors) {
    info.SetCursorFromResource(136);
    info.SetCursorFromFile(".\\PETS\\C0.CUR");
    EXPECT_EQ(cursors.saves, 1);
    EXPECT_EQ(Applied(), (std::vector<std::string>{"resource:136", ".\\PETS\\C0.CUR"}));
    EXPECT_TRUE(info.CursorsReplaced());
    info.RestoreSystemCursors();
    EXPECT_EQ(cursors.restores, 1);
    EXPECT_FALSE(info.CursorsReplaced());

    // Restoring again, or with nothing saved, does nothing.
    info.RestoreSystemCursors();
    EXPECT_EQ(cursors.restores, 1);

    // A later replacement saves anew.
    info.SetCursorFromResource(168);
    EXPECT_EQ(cursors.saves, 2);
}

TEST_F(SystemInfo, TheUsersCursorsComeBackWhenThePetGoes) {
    {
        CSystemInfo pet;
        pet.AttachSystem(system, cursors, NoDesktop());
        pet.SetCursorFromResource(136);
    }
    EXPECT_EQ(cursors.restores, 1);
    {
        CSystemInfo pet;
        pet.AttachSystem(system, cursors, NoDesktop());
    }
    EXPECT_EQ(cursors.restores, 1);
}

}  // namespace
}  // namespace nuv::test
