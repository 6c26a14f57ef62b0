// The program's resources as the shell will find them: templates, controls, texts, pictures.

#include "win32/WinApi.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "resource.h"

namespace {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

const void* ResourceData(int id, LPCWSTR type, DWORD* size = nullptr) {
    HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(id), type);
    if (!found) return nullptr;
    if (size) *size = SizeofResource(Module(), found);
    return LockResource(LoadResource(Module(), found));
}

struct TemplateHeader {
    DWORD style = 0, exStyle = 0;
    int controls = 0, x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption, font;
    int pointSize = 0;
};

// Skips a name-or-ordinal field of a dialog template.
const WORD* SkipNameOrOrdinal(const WORD* p) {
    if (*p == 0xFFFF) return p + 2;
    while (*p)
        ++p;
    return p + 1;
}

bool ReadTemplate(int id, TemplateHeader* out) {
    const auto* p = static_cast<const WORD*>(ResourceData(id, MAKEINTRESOURCEW(5)));  // RT_DIALOG
    if (!p || p[0] != 1 || p[1] != 0xFFFF) return false;  // an extended template
    std::memcpy(&out->exStyle, p + 4, 4);
    std::memcpy(&out->style, p + 6, 4);
    out->controls = p[8];
    out->x = short(p[9]);
    out->y = short(p[10]);
    out->cx = short(p[11]);
    out->cy = short(p[12]);
    p = SkipNameOrOrdinal(SkipNameOrOrdinal(p + 13));  // menu, class
    out->caption = reinterpret_cast<const wchar_t*>(p);
    p += out->caption.size() + 1;
    if (out->style & DS_SETFONT) {
        out->pointSize = p[0];
        out->font = reinterpret_cast<const wchar_t*>(p + 3);
    }
    return true;
}

struct ExpectedTemplate {
    int id, cx, cy;
    DWORD style, forbidden, exStyle;
    int controls;
    const wchar_t* caption;
    const wchar_t* font;
    int pointSize;
};

const DWORD kFrames = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
const ExpectedTemplate kTemplates[] = {
    {IDD_ABOUTBOX, 235, 55, WS_POPUP | WS_CAPTION | DS_MODALFRAME, WS_THICKFRAME, 0, 4,
     L"NUVPET 정보", L"굴림", 9},
    {IDD_PET_MAIN, 5, 5, WS_POPUP | WS_VISIBLE | DS_SETFONT, kFrames | WS_BORDER, WS_EX_APPWINDOW,
     0, L"", L"굴림", 9},
    {IDD_LOADING, 242, 118, WS_POPUP, kFrames | WS_BORDER, WS_EX_TOOLWINDOW, 1, L"", L"굴림", 9},
    {IDD_BALLOON, 4, 4, WS_POPUP | WS_BORDER, WS_DLGFRAME | WS_THICKFRAME, 0, 0, L"", L"굴림", 9},
    {IDD_INPUT_BOX, 211, 60, WS_POPUP | WS_CAPTION | DS_MODALFRAME, WS_THICKFRAME, WS_EX_TOOLWINDOW,
     6, L"InputBox", L"굴림", 9},
    {IDD_USER_REG, 143, 175, WS_POPUP | WS_CAPTION | DS_MODALFRAME, WS_THICKFRAME, WS_EX_TOOLWINDOW,
     16, L"Registration User Info", L"굴림", 9},
    {IDD_TIMED_PICTURE, 165, 141, WS_POPUP | WS_BORDER | DS_CENTER, WS_DLGFRAME | WS_THICKFRAME, 0,
     1, L"", L"System", 10},
    {IDD_OBJECT, 50, 53, WS_POPUP, kFrames | WS_BORDER, 0, 0, L"", L"굴림", 9},
};

TEST(ResourcesTest, DialogTemplatesHaveTheirSizesStylesAndFonts) {
    for (const ExpectedTemplate& e : kTemplates) {
        SCOPED_TRACE(e.id);
        TemplateHeader t;
        ASSERT_TRUE(ReadTemplate(e.id, &t));
        EXPECT_EQ(t.x, 0);
        EXPECT_EQ(t.y, 0);
        EXPECT_EQ(t.cx, e.cx);
        EXPECT_EQ(t.cy, e.cy);
        EXPECT_EQ(t.style & e.style, e.style);
        EXPECT_EQ(t.style & e.forbidden, 0u);
        EXPECT_EQ(t.exStyle, DWORD(e.exStyle));
        EXPECT_EQ(t.controls, e.controls);
        EXPECT_EQ(t.caption, e.caption);
        EXPECT_EQ(t.font, e.font);
        EXPECT_EQ(t.pointSize, e.pointSize);
    }
}

struct ExpectedControl {
    int id;
    const wchar_t* className;
    int x, y, cx, cy;
    const wchar_t* text;  // null: not compared
    DWORD style;          // bits that must be set
    DWORD forbidden;      // bits that must be clear
    int buttonType;       // BS_* in the low nibble, or -1
};

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

class DialogControlsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
    }

    void Open(int id) {
        dialog_ = CreateDialogParamW(Module(), MAKEINTRESOURCEW(id), nullptr, QuietDialogProc, 0);
        ASSERT_NE(dialog_, nullptr) << "template " << id;
    }

    void Check(const ExpectedControl& e) {
        SCOPED_TRACE(e.id);
        HWND control = GetDlgItem(dialog_, e.id);
        ASSERT_NE(control, nullptr);
        wchar_t name[64] = {};
        GetClassNameW(control, name, 64);
        EXPECT_EQ(_wcsicmp(name, e.className), 0) << "class";
        // The dialog manager converts place and size separately.
        RECT units = {e.x, e.y, e.cx, e.cy};
        MapDialogRect(dialog_, &units);
        RECT expected = {units.left, units.top, units.left + units.right, units.top + units.bottom};
        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_TRUE(EqualRect(&expected, &actual)) << "place";
        if (e.text) {
            EXPECT_EQ(TextOf(control), e.text);
        }
        DWORD style = DWORD(GetWindowLongW(control, GWL_STYLE));
        // Edit controls turn a border into a sunken client edge.
        if (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) style |= WS_BORDER;
        EXPECT_EQ(style & e.style, e.style);
        EXPECT_EQ(style & e.forbidden, 0u);
        if (e.buttonType >= 0) {
            EXPECT_EQ(int(style & 0xF), e.buttonType);
        }
    }

    static std::wstring TextOf(HWND window) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }

    // Texts and styles of the controls without an id.
    std::set<std::wstring> StaticTexts() const {
        std::set<std::wstring> texts;
        for (HWND c = GetWindow(dialog_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(c) == IDC_STATIC || GetDlgCtrlID(c) == 0xFFFF) {
                texts.insert(TextOf(c));
            }
        }
        return texts;
    }
    int CountStyled(DWORD typeMask, DWORD type) const {
        int count = 0;
        for (HWND c = GetWindow(dialog_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if ((DWORD(GetWindowLongW(c, GWL_STYLE)) & typeMask) == type) ++count;
        }
        return count;
    }

    HWND dialog_ = nullptr;
};

TEST_F(DialogControlsTest, AboutBox) {
    Open(IDD_ABOUTBOX);
    EXPECT_EQ(TextOf(dialog_), L"NUVPET 정보");
    Check({IDOK, L"Button", 178, 7, 50, 14, L"확인", WS_GROUP, 0, BS_DEFPUSHBUTTON});
    std::set<std::wstring> texts = StaticTexts();
    EXPECT_TRUE(texts.count(L"NuvPET 버전 0.6.8"));
    EXPECT_EQ(texts.size(), 3u);  // icon, version, maker's notice
    EXPECT_EQ(CountStyled(SS_TYPEMASK, SS_ICON), 1);
}

TEST_F(DialogControlsTest, InputBox) {
    Open(IDD_INPUT_BOX);
    Check({IDC_INPUT_QUESTION, L"Static", 9, 9, 192, 8, L"Question", 0, 0, -1});
    Check({IDC_INPUT_ANSWER, L"Edit", 8, 22, 195, 12, L"", 0, WS_BORDER | ES_AUTOHSCROLL, -1});
    Check({IDC_INPUT_OK, L"Button", 102, 39, 50, 14, L"확인", 0, 0, BS_DEFPUSHBUTTON});
    Check({IDC_INPUT_CANCEL, L"Button", 154, 39, 50, 14, L"취소", 0, 0, BS_PUSHBUTTON});
    EXPECT_EQ(CountStyled(SS_TYPEMASK | 0x80000000u, SS_BLACKFRAME), 2);
}

TEST_F(DialogControlsTest, UserRegistration) {
    Open(IDD_USER_REG);
    const DWORD edit = WS_BORDER | ES_AUTOHSCROLL;
    Check({IDC_REG_NAME, L"Edit", 57, 25, 68, 14, L"", edit, ES_PASSWORD, -1});
    Check({IDC_REG_MALE, L"Button", 57, 47, 17, 10, L"남", WS_GROUP, 0, BS_AUTORADIOBUTTON});
    Check({IDC_REG_FEMALE, L"Button", 85, 47, 18, 10, L"여", 0, WS_GROUP, BS_AUTORADIOBUTTON});
    Check({IDC_REG_BIRTH_DATE, L"SysDateTimePick32", 57, 65, 68, 15, nullptr,
           DTS_LONGDATEFORMAT | DTS_RIGHTALIGN, 0, -1});
    Check({IDC_REG_LOGIN_ID, L"Edit", 57, 85, 68, 14, L"", edit, ES_PASSWORD, -1});
    Check({IDC_REG_PASSWORD, L"Edit", 57, 106, 68, 14, L"", edit | ES_PASSWORD, 0, -1});
    Check({IDC_REG_EMAIL, L"Edit", 57, 125, 68, 14, L"", edit, ES_PASSWORD, -1});
    Check({IDC_REG_OK, L"Button", 7, 154, 50, 14, L"등록", 0, 0, BS_DEFPUSHBUTTON});
    Check({IDC_REG_CANCEL, L"Button", 86, 154, 50, 14, L"취소", 0, 0, BS_PUSHBUTTON});
    std::set<std::wstring> texts = StaticTexts();
    for (const wchar_t* label :
         {L" [ 사용자 등록 ] ", L"이름", L"성별", L"생일", L"로그인 ID", L"로그인 PW", L"E-Mail"}) {
        EXPECT_TRUE(texts.count(label)) << "missing label";
    }
}

TEST_F(DialogControlsTest, LoadingWindowAndTimedPicture) {
    Open(IDD_LOADING);
    Check({IDC_LOADING_PROGRESS, L"msctls_progress32", 7, 101, 227, 7, nullptr, PBS_SMOOTH, 0, -1});
    DestroyWindow(dialog_);
    Open(IDD_TIMED_PICTURE);
    Check({IDC_TIMED_PICTURE, L"Static", 7, 7, 20, 8, L"", 0, WS_VISIBLE, -1});
}

TEST(ResourcesTest, AboutMenuString) {
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(Module(), IDS_ABOUTBOX, text, 64), 0);
    EXPECT_STREQ(text, L"NuvPET 정보(&A)...");
}

// The images of an icon group: sizes and bit depths, each image with real transparency.
void CheckIconGroup(int id) {
    SCOPED_TRACE(id);
    const auto* group =
        static_cast<const BYTE*>(ResourceData(id, MAKEINTRESOURCEW(14)));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    WORD count;
    std::memcpy(&count, group + 4, 2);
    ASSERT_EQ(count, 2);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = group + 6 + 14 * i;
        WORD bits, imageId;
        std::memcpy(&bits, entry + 6, 2);
        std::memcpy(&imageId, entry + 12, 2);
        EXPECT_EQ(bits, 32);
        sizes.insert(entry[0]);
        const auto* header =
            static_cast<const BITMAPINFOHEADER*>(ResourceData(imageId, MAKEINTRESOURCEW(3)));
        ASSERT_NE(header, nullptr);
        const auto* pixels = reinterpret_cast<const DWORD*>(header + 1);
        const int n = header->biWidth * header->biWidth;
        int clear = 0, opaque = 0;
        for (int k = 0; k < n; ++k) {
            clear += (pixels[k] >> 24) == 0;
            opaque += (pixels[k] >> 24) == 255;
        }
        EXPECT_GT(clear, 0);
        EXPECT_GT(opaque, n / 4);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
    for (int size : {16, 32}) {
        HICON icon = HICON(LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr);
        DestroyIcon(icon);
    }
}

TEST(ResourcesTest, IconsHaveSmallAndLargeImages) {
    CheckIconGroup(IDR_MAINFRAME);
    CheckIconGroup(IDI_TRAY);
}

TEST(ResourcesTest, CursorsLoadWithTheirHotSpots) {
    const struct {
        int id;
        DWORD x, y;
    } cursors[] = {{IDC_DRAG_CURSOR, 15, 16}, {IDC_CATCH_CURSOR, 2, 3}};
    for (const auto& c : cursors) {
        SCOPED_TRACE(c.id);
        HCURSOR cursor = LoadCursorW(Module(), MAKEINTRESOURCEW(c.id));
        ASSERT_NE(cursor, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.x);
        EXPECT_EQ(info.yHotspot, c.y);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST(ResourcesTest, VersionAndManifest) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00000006u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00080000u);
    wchar_t* product = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041204b0\\ProductVersion",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, L"0.6.8");

    DWORD manifestSize = 0;
    const char* manifest =
        static_cast<const char*>(ResourceData(1, MAKEINTRESOURCEW(24), &manifestSize));
    ASSERT_NE(manifest, nullptr);
    EXPECT_NE(std::string(manifest, manifestSize).find("Microsoft.Windows.Common-Controls"),
              std::string::npos);
}

}  // namespace
