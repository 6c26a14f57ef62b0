// The program's modal windows, answered by a robot as soon as they show.

#include "win32/WinApi.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ShellTestSupport.h"
#include "formats/PetConfig.h"
#include "resource.h"
#include "win32/DialogHelpers.h"
#include "win32/KoreanFonts.h"
#include "win32/TimedPictureDialog.h"
#include "win32/Win32Dialogs.h"

namespace nuv::win32 {
namespace {

std::wstring ItemText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

void Press(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class DialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        context_.instance = GetModuleHandleW(nullptr);
        context_.fonts = &fonts_;
    }

    KoreanFonts fonts_;
    ShellContext context_;
    Win32Dialogs dialogs_{context_};
};

// Types `text` into an edit control as the keyboard does, one WM_CHAR a character.
void Type(HWND edit, const wchar_t* text) {
    for (; *text; ++text)
        SendMessageW(edit, WM_CHAR, *text, 0);
}

// What the user's typing and pasting `ab;cd` leaves in `edit`: the field separator is refused.
std::wstring TypedAndPasted(HWND edit) {
    SetWindowTextW(edit, L"");
    Type(edit, L"ab;c");
    SendMessageW(edit, EM_REPLACESEL, TRUE, LPARAM(L"d;e;"));  // as a paste does
    wchar_t text[64] = {};
    GetWindowTextW(edit, text, 64);
    return text;
}

TEST_F(DialogsTest, TypedAndPastedFieldSeparatorsAreRefused) {
    std::wstring answer;
    test::WindowRobot robot(L"이름 짓기", [&](HWND box) {
        answer = TypedAndPasted(GetDlgItem(box, IDC_INPUT_ANSWER));
        Type(GetDlgItem(box, IDC_INPUT_ANSWER), L"f");
        Press(box, IDC_INPUT_OK);
    });
    EXPECT_EQ(dialogs_.InputBox("이름 짓기", "?"), "abcdef") << "the caret stays after the text";
    EXPECT_EQ(answer, L"abcde");
    // The registration's fields refuse it too, and hold no more than their record's bytes.
    UserInfo user;
    std::vector<std::wstring> fields;
    std::wstring name, email;
    test::WindowRobot registration(L"Registration User Info", [&](HWND box) {
        for (int id : {IDC_REG_NAME, IDC_REG_LOGIN_ID, IDC_REG_PASSWORD, IDC_REG_EMAIL})
            fields.push_back(TypedAndPasted(GetDlgItem(box, id)));
        SetDlgItemTextW(box, IDC_REG_NAME, L"가나다라마바사아자차카");  // 22 bytes
        SetDlgItemTextW(box, IDC_REG_EMAIL, std::wstring(40, L'e').c_str());
        name = ItemText(box, IDC_REG_NAME);
        email = ItemText(box, IDC_REG_EMAIL);
        Press(box, IDC_REG_CANCEL);
    });
    EXPECT_FALSE(dialogs_.RegisterUser(user));
    EXPECT_EQ(fields, std::vector<std::wstring>(4, L"abcde"));
    EXPECT_EQ(name, L"가나다라마바사아자");
    EXPECT_EQ(email, std::wstring(28, L'e'));
}

TEST_F(DialogsTest, EveryDialogShowsItsTextsInAFaceWithHangul) {
    struct Case {
        const wchar_t* caption;
        std::function<void()> open;
    };
    UserInfo user;
    const Case cases[] = {
        {L"이름 짓기", [&] { dialogs_.InputBox("이름 짓기", "이름을 지어 주세요."); }},
        {L"친구 바꾸기",
         [&] {
             dialogs_.ChooseFromList("친구 바꾸기", {"두부", "나비"});
         }},
        {L"Registration User Info", [&] { dialogs_.RegisterUser(user); }},
        {L"NUVPET 정보", [&] { dialogs_.ShowAbout(); }},
        {L"설정 오류",
         [&] {
             dialogs_.MessageBox("초기설정에서 문제가 발생했습니다.", "설정 오류",
                                 IDialogs::kNoIcon, false);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        std::wstring missing = L"?";
        test::WindowRobot robot(c.caption, [&](HWND box) {
            missing = test::MissingGlyphs(box);
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(box, WM_COMMAND, IDOK, 0);  // a box without a cancel button
        });
        c.open();
        EXPECT_TRUE(robot.acted());
        EXPECT_EQ(missing, L"") << "characters that would show as empty boxes";
    }
}

// The answer as typed (blanks are an answer); nothing without an answer or when cancelled.
TEST_F(DialogsTest, InputBoxAsksAndReturnsTheAnswerAsTyped) {
    const struct {
        const wchar_t* typed;
        int button;
        const char* answer;  // null: none
    } cases[] = {{L" 나비 ", IDC_INPUT_OK, " 나비 "},
                 {L"", IDC_INPUT_OK, nullptr},
                 {L"x", IDC_INPUT_CANCEL, nullptr}};
    for (const auto& c : cases) {
        std::wstring question;
        test::WindowRobot robot(L"이름 짓기", [&](HWND box) {
            question = ItemText(box, IDC_INPUT_QUESTION);
            SetDlgItemTextW(box, IDC_INPUT_ANSWER, c.typed);
            Press(box, c.button);
        });
        std::optional<std::string> answer = dialogs_.InputBox("이름 짓기", "이름을 지어 주세요.");
        EXPECT_TRUE(robot.acted());
        EXPECT_EQ(question, L"이름을 지어 주세요.");
        EXPECT_EQ(answer.has_value(), c.answer != nullptr);
        EXPECT_EQ(answer.value_or(""), c.answer ? c.answer : "");
    }
}

TEST_F(DialogsTest, ListChoiceReturnsTheChosenEntry) {
    test::WindowRobot robot(L"친구 바꾸기", [](HWND box) {
        HWND list = GetDlgItem(box, IDC_CHOOSE_LIST);
        EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
        SendMessageW(list, LB_SETCURSEL, 2, 0);
        Press(box, IDOK);
    });
    EXPECT_EQ(dialogs_.ChooseFromList("친구 바꾸기", {"두부", "나비", "보리"}), 2);
    test::WindowRobot cancel(L"친구 바꾸기", [](HWND box) { Press(box, IDCANCEL); });
    EXPECT_FALSE(dialogs_.ChooseFromList("친구 바꾸기", {"두부"}).has_value());
}

TEST_F(DialogsTest, RegistrationShowsTheRecordAndRefusesAnEmptyPassword) {
    UserInfo user;
    user.UserName = "홍길동";
    user.UserSex = "fmale";
    user.UserBirthDate = "19990731";
    user.UserLoginID = "nuv";
    user.UserLoginPasswd = "pw";
    user.Useremail = "a@b.c";
    bool shown = false, female = false, refused = false, stillOpen = false;
    SYSTEMTIME birth = {};
    test::WindowRobot closeMessage(L"NuvPET", [&](HWND box) {
        refused = true;
        stillOpen = FindWindowW(nullptr, L"Registration User Info") != nullptr;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    test::WindowRobot robot(L"Registration User Info", [&](HWND box) {
        shown =
            ItemText(box, IDC_REG_NAME) == L"홍길동" && ItemText(box, IDC_REG_EMAIL) == L"a@b.c";
        female = IsDlgButtonChecked(box, IDC_REG_FEMALE) == BST_CHECKED;
        DateTime_GetSystemtime(GetDlgItem(box, IDC_REG_BIRTH_DATE), &birth);
        SetDlgItemTextW(box, IDC_REG_PASSWORD, L"");
        CheckRadioButton(box, IDC_REG_MALE, IDC_REG_FEMALE, IDC_REG_MALE);
        Press(box, IDC_REG_OK);  // refused: the message box runs inside this press
        SetDlgItemTextW(box, IDC_REG_PASSWORD, L"secret");
        Press(box, IDC_REG_OK);
    });
    EXPECT_TRUE(dialogs_.RegisterUser(user));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(female);
    EXPECT_EQ(birth.wYear, 1999);
    EXPECT_EQ(birth.wMonth, 7);
    EXPECT_EQ(birth.wDay, 31);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(user.UserLoginPasswd, "secret");
    EXPECT_EQ(user.UserSex, "Male");
    EXPECT_EQ(user.UserBirthDate, "19990731");
}

TEST_F(DialogsTest, TimedPictureIsCentredSizedToThePictureAndClosesOnTime) {
    test::PictureFolder folder;
    folder.Put("END.BCF", Image(120, 80, MakePixel(250, 200, 100)));
    RECT client = {}, window = {};
    test::WindowRobot robot(L"", [&](HWND box) {
        GetClientRect(box, &client);
        GetWindowRect(box, &window);
    });
    const DWORD start = GetTickCount();
    INT_PTR result =
        RunTimedPictureDialog(context_.instance, nullptr, folder.files(), ".\\PETS\\END.BCF", 1);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(result, 1);
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(elapsed, 2500u);
    ASSERT_TRUE(robot.acted());
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 80);
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR((window.left + window.right) / 2.0, (area.left + area.right) / 2.0, 1.0);
    EXPECT_NEAR((window.top + window.bottom) / 2.0, (area.top + area.bottom) / 2.0, 1.0);
    // Without its picture it still closes on time.
    const DWORD again = GetTickCount();
    EXPECT_EQ(RunTimedPictureDialog(context_.instance, nullptr, folder.files(),
                                    ".\\PETS\\MISSING.BCF", 1),
              1);
    EXPECT_LT(GetTickCount() - again, 2500u);
}

}  // namespace
}  // namespace nuv::win32
