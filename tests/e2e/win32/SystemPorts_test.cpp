// The system services, cursors, tray icon, fonts and text widths of the shell.

#include <gtest/gtest.h>

#include <stdexcept>

#include "ShellTestSupport.h"
#include "base/Log.h"
#include "resource.h"
#include "win32/GdiObjects.h"
#include "win32/KoreanFonts.h"
#include "win32/LastResort.h"
#include "win32/PetRootLock.h"
#include "win32/Win32Cursors.h"
#include "win32/Win32Services.h"
#include "win32/Win32Settings.h"
#include "win32/Win32TextMetrics.h"
#include "win32/Win32Tray.h"

namespace nuv::win32 {
namespace {

TEST(ServicesTest, VersionInternetAndDragSetting) {
    Win32Services services;
    OsVersion version;
    ASSERT_EQ(services.GetVersion(&version), 0u);
    EXPECT_EQ(version.platform, OsVersion::kWindowsNt);
    EXPECT_GE(version.major, 5u);
    EXPECT_TRUE(services.OpenInternetLibrary());  // no connection is made

    int before = services.GetDragFullWindows();
    services.SetDragFullWindows(before ? 0 : 1);
    EXPECT_EQ(services.GetDragFullWindows(), before ? 0 : 1);
    services.SetDragFullWindows(before);
    EXPECT_EQ(services.GetDragFullWindows(), before);
}

TEST(SettingsTest, TextValuesOfTheUsersKeyAsciiOnly) {
    const wchar_t* key = L"Software\\NuvPET Tests";
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    Win32Settings settings(key);
    EXPECT_EQ(settings.GetString("Zoom"), std::nullopt);
    EXPECT_TRUE(settings.SetString("Zoom", "2"));
    EXPECT_TRUE(settings.SetString("Zoom", "auto"));
    EXPECT_EQ(settings.GetString("Zoom"), "auto");
    EXPECT_EQ(Win32Settings(key).GetString("zoom"), "auto");  // names as the registry's
    EXPECT_FALSE(settings.SetString("Zoom", "\xB0\xA1"));
    EXPECT_FALSE(settings.SetString("", "1"));
    EXPECT_EQ(settings.GetString("Zoom"), "auto");
    const DWORD number = 2;
    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &handle), ERROR_SUCCESS);
    RegSetValueExW(handle, L"Zoom", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    RegCloseKey(handle);
    EXPECT_EQ(settings.GetString("Zoom"), std::nullopt);  // not text
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
}

TEST(CursorsTest, SavedCopiesComeBackOnceEvenAtAnUnexpectedEnd) {
    ShellContext context;
    context.instance = GetModuleHandleW(nullptr);
    Win32Cursors cursors(context);
    EXPECT_FALSE(cursors.HasSavedCursors());
    cursors.SaveCursors();
    EXPECT_TRUE(cursors.HasSavedCursors());
    EXPECT_TRUE(cursors.ApplyCursorResource(IDC_DRAG_CURSOR));
    EXPECT_FALSE(cursors.ApplyCursorFile(".\\PETS\\NO-SUCH.CUR"));
    cursors.RestoreCursors();
    EXPECT_FALSE(cursors.HasSavedCursors());
    cursors.RestoreCursors();  // nothing saved: nothing happens
    EXPECT_FALSE(cursors.LoadHoverCursor(".\\PETS\\NO-SUCH.CUR"));
    cursors.ShowHoverCursor();
    cursors.DestroyHoverCursor();

    // An unexpected end restores the registered cursors.
    RegisterCursorsForExit(&cursors);
    cursors.SaveCursors();
    cursors.ApplyCursorResource(IDC_CATCH_CURSOR);
    RestoreCursorsOnExit();
    EXPECT_FALSE(cursors.HasSavedCursors());
    RestoreCursorsOnExit();  // registered once: the second call finds nothing

    Win32Tray tray(context);
    EXPECT_TRUE(tray.Remove()) << "removing an icon never added succeeds";
}

TEST(LastResortTest, AnEscapedExceptionIsLoggedCursorsComeBackAndTheStartUpErrorShows) {
    EXPECT_EQ(RunWithLastResort([] { return 5; }), 5);
    // Thrown in the body, or kept by a window procedure for the message loop.
    const std::function<int()> failures[] = {
        []() -> int { throw std::length_error("vector::_M_default_append"); },
        [] { return CatchForLoop(7, []() -> int { throw 42; }); }};
    for (const auto& failing : failures) {
        ShellContext context;
        context.instance = GetModuleHandleW(nullptr);
        Win32Cursors cursors(context);
        RegisterCursorsForExit(&cursors);
        cursors.SaveCursors();
        std::wstring text;
        std::wstring missing = L"?";
        test::WindowRobot robot(L"설정 오류", [&](HWND box) {
            wchar_t shown[128] = {};
            GetDlgItemTextW(box, 0xFFFF, shown, 128);
            text = shown;
            missing = test::MissingGlyphs(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        LogCapture log;
        EXPECT_EQ(RunWithLastResort(failing), kExitAfterException);
        EXPECT_TRUE(robot.acted());
        EXPECT_EQ(text, L"초기설정에서 문제가 발생했습니다.");
        EXPECT_EQ(missing, L"") << "the box's text in a face with Hangul";
        EXPECT_FALSE(cursors.HasSavedCursors());
        ASSERT_EQ(log.messages().size(), 1u);
        EXPECT_EQ(log.messages()[0].rfind("WinMain() - ", 0), 0u);
        EXPECT_EQ(RunWithLastResort([] { return 0; }), 0) << "nothing is left kept";
    }
}

INT_PTR CALLBACK ThrowOnInit(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) throw std::runtime_error("init");
    return FALSE;
}

TEST(LastResortTest, AModalDialogWhoseProcedureThrowsEndsAndHandsTheExceptionOn) {
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), nullptr,
                              GuardedModal<ThrowOnInit>, 0),
              IDCANCEL);
    EXPECT_THROW(RethrowKeptException(), std::runtime_error);
    EXPECT_NO_THROW(RethrowKeptException());
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), DWORD(text.size()));
    return text;
}

TEST(PetRootLockTest, OneNamePerFolderHoweverItIsSpelled) {
    wchar_t temp[MAX_PATH] = {}, here[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);  // ends with a separator
    GetCurrentDirectoryW(MAX_PATH, here);
    const std::wstring root = temp, name = PetRootMutexName(root);
    EXPECT_EQ(name.rfind(L"Local\\NuvPET-", 0), 0u);
    EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos) << "no backslash after the prefix";
    EXPECT_LT(name.size(), std::size_t(MAX_PATH));
    for (const std::wstring& same :
         {Lower(root), root.substr(0, root.size() - 1), root + L"PETS\\..", root + L".\\"}) {
        EXPECT_EQ(PetRootMutexName(same), name) << same;
    }
    EXPECT_NE(PetRootMutexName(root + L"PETS"), name);
    EXPECT_EQ(PetRootMutexName(L"."), PetRootMutexName(here));
}

TEST(PetRootLockTest, ASecondProgramOnTheRootIsRefusedUntilTheFirstEnds) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"nuv-lock-" + std::to_wstring(GetTickCount());
    {
        PetRootLock first, second, other;
        EXPECT_TRUE(first.Acquire(root));
        EXPECT_FALSE(second.Acquire(Lower(root) + L"\\"));
        EXPECT_TRUE(other.Acquire(root + L"-other"));
    }
    PetRootLock again;
    EXPECT_TRUE(again.Acquire(root));

    // The refusal shows the program's text.
    std::wstring text, missing = L"?";
    test::WindowRobot robot(L"NuvPET", [&](HWND box) {
        wchar_t shown[128] = {};
        GetDlgItemTextW(box, 0xFFFF, shown, 128);
        text = shown;
        missing = test::MissingGlyphs(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    ShowAlreadyRunning(GetModuleHandleW(nullptr));
    EXPECT_EQ(text, L"이 펫은 이미 실행 중입니다.");
    EXPECT_EQ(missing, L"");
}

TEST(FontsTest, OneFontPerKindKeptUntilCleared) {
    const long live = CurrentGdiCounts().Live(GdiKind::kFont);
    KoreanFonts fonts;
    EXPECT_FALSE(fonts.Face().empty());
    HFONT normal = fonts.Get({12, true, false});
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(fonts.Get({12, true, false}), normal);
    EXPECT_NE(fonts.Get({12, true, true}), normal);
    EXPECT_NE(fonts.Get({16, false, false}), normal);
    EXPECT_EQ(CurrentGdiCounts().Live(GdiKind::kFont), live + 3);
    LOGFONTW asked = {};
    GetObjectW(fonts.Get({12, true, true}), sizeof(asked), &asked);
    EXPECT_EQ(asked.lfHeight, 12);
    EXPECT_TRUE(asked.lfUnderline);
    EXPECT_EQ(asked.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(fonts.Face(), std::wstring(asked.lfFaceName));
    // What the program draws itself (balloons, gauges) has its Hangul in the face.
    HDC dc = GetDC(nullptr);
    for (HFONT font : {normal, fonts.Get({16, false, false}), fonts.DialogFont()}) {
        HGDIOBJ old = SelectObject(dc, font);
        WORD glyphs[4] = {};
        GetGlyphIndicesW(dc, L"가힣펫a", 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
        SelectObject(dc, old);
        for (WORD glyph : glyphs)
            EXPECT_NE(glyph, 0xFFFF) << "a character shown as an empty box";
    }
    ReleaseDC(nullptr, dc);
    fonts.Clear();
    EXPECT_EQ(CurrentGdiCounts().Live(GdiKind::kFont), live);
}

TEST(TextMetricsTest, WidthsAddUpCharacterByCharacter) {
    KoreanFonts fonts;
    Win32TextMetrics metrics(fonts);
    const TextFont fixed{12, true, false};
    int one = metrics.TextWidth("a", fixed);
    EXPECT_GT(one, 0);
    EXPECT_EQ(metrics.TextWidth("abcd", fixed), metrics.TextWidth("ab", fixed) +
                                                    metrics.TextWidth("c", fixed) +
                                                    metrics.TextWidth("d", fixed));
    EXPECT_EQ(metrics.TextWidth("", fixed), 0);
    int hangul = metrics.TextWidth("가", fixed);  // one double-byte character
    EXPECT_GT(hangul, one);
    EXPECT_EQ(metrics.TextWidth("가나", fixed), 2 * hangul);
    EXPECT_EQ(metrics.TextWidth("가", {12, true, true}), hangul) << "underline keeps widths";
    EXPECT_GT(metrics.TextWidth("가", {16, false, false}), hangul);
}

}  // namespace
}  // namespace nuv::win32
