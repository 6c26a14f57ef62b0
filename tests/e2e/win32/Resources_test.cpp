// The program's resources as the shell finds them: every dialog and control it addresses,
// texts, icons, cursors, version.

#include "win32/WinApi.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resource.h"

namespace {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// Every dialog the shell opens, each control it addresses with its class and the style bits the
// shell relies on (a masked password, radio buttons that check themselves, a smooth bar).
struct ExpectedControl {
    int dialog, id;
    const wchar_t* className;
    DWORD style, forbidden;
};
const ExpectedControl kControls[] = {
    {IDD_ABOUTBOX, IDOK, L"Button", BS_DEFPUSHBUTTON, 0},
    {IDD_INPUT_BOX, IDC_INPUT_QUESTION, L"Static", 0, 0},
    {IDD_INPUT_BOX, IDC_INPUT_ANSWER, L"Edit", 0, ES_AUTOHSCROLL | ES_PASSWORD},
    {IDD_INPUT_BOX, IDC_INPUT_OK, L"Button", BS_DEFPUSHBUTTON, 0},
    {IDD_INPUT_BOX, IDC_INPUT_CANCEL, L"Button", 0, 0},
    {IDD_CHOOSE_LIST, IDC_CHOOSE_LIST, L"ListBox", LBS_NOTIFY, 0},
    {IDD_USER_REG, IDC_REG_NAME, L"Edit", ES_AUTOHSCROLL, ES_PASSWORD},
    {IDD_USER_REG, IDC_REG_MALE, L"Button", BS_AUTORADIOBUTTON | WS_GROUP, 0},
    {IDD_USER_REG, IDC_REG_FEMALE, L"Button", BS_AUTORADIOBUTTON, WS_GROUP},
    {IDD_USER_REG, IDC_REG_BIRTH_DATE, L"SysDateTimePick32", 0, 0},
    {IDD_USER_REG, IDC_REG_LOGIN_ID, L"Edit", ES_AUTOHSCROLL, ES_PASSWORD},
    {IDD_USER_REG, IDC_REG_PASSWORD, L"Edit", ES_AUTOHSCROLL | ES_PASSWORD, 0},
    {IDD_USER_REG, IDC_REG_EMAIL, L"Edit", ES_AUTOHSCROLL, ES_PASSWORD},
    {IDD_USER_REG, IDC_REG_OK, L"Button", BS_DEFPUSHBUTTON, 0},
    {IDD_USER_REG, IDC_REG_CANCEL, L"Button", 0, 0},
    {IDD_LOADING, IDC_LOADING_PROGRESS, L"msctls_progress32", PBS_SMOOTH, 0},
    {IDD_TIMED_PICTURE, IDC_TIMED_PICTURE, L"Static", 0, 0},
};

TEST(ResourcesTest, EveryDialogAndControlTheShellAddressesExists) {
    INITCOMMONCONTROLSEX common = {sizeof(common), ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&common);
    for (int id : {IDD_PET_MAIN, IDD_BALLOON, IDD_OBJECT}) {
        HWND dialog =
            CreateDialogParamW(Module(), MAKEINTRESOURCEW(id), nullptr, QuietDialogProc, 0);
        EXPECT_NE(dialog, nullptr) << "template " << id;
        DestroyWindow(dialog);
    }
    for (const ExpectedControl& e : kControls) {
        SCOPED_TRACE(e.id);
        HWND dialog =
            CreateDialogParamW(Module(), MAKEINTRESOURCEW(e.dialog), nullptr, QuietDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "template " << e.dialog;
        HWND control = GetDlgItem(dialog, e.id);
        ASSERT_NE(control, nullptr);
        wchar_t name[64] = {};
        GetClassNameW(control, name, 64);
        EXPECT_EQ(_wcsicmp(name, e.className), 0) << "class";
        DWORD style = DWORD(GetWindowLongW(control, GWL_STYLE));
        if (e.className[0] == L'B') {
            EXPECT_EQ(style & 0xF, e.style & 0xF);  // the button's kind
            EXPECT_EQ(style & e.style & ~0xFu, e.style & ~0xFu);
        } else {
            EXPECT_EQ(style & e.style, e.style);
        }
        EXPECT_EQ(style & e.forbidden, 0u);
        if (e.dialog == IDD_ABOUTBOX) {
            std::set<std::wstring> texts;
            for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                texts.insert(TextOf(c));
            }
            EXPECT_TRUE(texts.count(L"NuvPET 버전 0.6.8"));
        }
        DestroyWindow(dialog);
    }
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(Module(), IDS_ABOUTBOX, text, 64), 0);
    EXPECT_STREQ(text, L"NuvPET 정보(&A)...");
}

TEST(ResourcesTest, IconsCursorsVersionAndManifestLoad) {
    for (int id : {IDR_MAINFRAME, IDI_TRAY}) {
        for (int size : {16, 32}) {
            HICON icon =
                HICON(LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
            EXPECT_NE(icon, nullptr) << id << " at " << size;
            DestroyIcon(icon);
        }
    }
    const struct {
        int id;
        DWORD x, y;  // the hot spot
    } cursors[] = {{IDC_DRAG_CURSOR, 15, 16}, {IDC_CATCH_CURSOR, 2, 3}};
    for (const auto& c : cursors) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(LoadCursorW(Module(), MAKEINTRESOURCEW(c.id)), &info)) << c.id;
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.x);
        EXPECT_EQ(info.yHotspot, c.y);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));
    wchar_t* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041204b0\\ProductVersion",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, L"0.6.8");
    HRSRC manifest = FindResourceW(Module(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    std::string text(static_cast<const char*>(LockResource(LoadResource(Module(), manifest))),
                     SizeofResource(Module(), manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

}  // namespace
