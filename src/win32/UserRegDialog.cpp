#include "win32/UserRegDialog.h"

#include <commctrl.h>

#include "app/PetMainDlg.h"
#include "formats/PetConfig.h"
#include "pet/UserRegistration.h"
#include "resource.h"
#include "win32/DialogHelpers.h"
#include "win32/KoreanFonts.h"
#include "win32/LastResort.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

struct Field {
    int id;
    std::size_t maxBytes;
};

constexpr Field kTextFields[] = {{IDC_REG_NAME, kRegistrationFieldBytes},
                                 {IDC_REG_LOGIN_ID, kRegistrationFieldBytes},
                                 {IDC_REG_PASSWORD, kRegistrationFieldBytes},
                                 {IDC_REG_EMAIL, kRegistrationEmailBytes}};

struct RegState {
    UserInfo* user;
    HFONT font;
};

CalendarDate Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

void ShowForm(HWND dialog, const RegistrationForm& form) {
    // Edit controls count characters: a code page 949 text of n bytes has at most n of them.
    for (const Field& field : kTextFields) {
        SendDlgItemMessageW(dialog, field.id, EM_LIMITTEXT, field.maxBytes, 0);
        RefuseFieldSeparator(GetDlgItem(dialog, field.id));
    }
    SetItemText(dialog, IDC_REG_NAME, form.name);
    SetItemText(dialog, IDC_REG_LOGIN_ID, form.loginId);
    SetItemText(dialog, IDC_REG_PASSWORD, form.password);
    SetItemText(dialog, IDC_REG_EMAIL, form.email);
    CheckRadioButton(dialog, IDC_REG_MALE, IDC_REG_FEMALE,
                     form.female ? IDC_REG_FEMALE : IDC_REG_MALE);
    SYSTEMTIME birth = {};
    birth.wYear = WORD(form.birth.year);
    birth.wMonth = WORD(form.birth.month);
    birth.wDay = WORD(form.birth.day);
    DateTime_SetSystemtime(GetDlgItem(dialog, IDC_REG_BIRTH_DATE), GDT_VALID, &birth);
}

RegistrationForm ReadForm(HWND dialog) {
    RegistrationForm form;
    form.name = GetItemText(dialog, IDC_REG_NAME);
    form.female = IsDlgButtonChecked(dialog, IDC_REG_FEMALE) == BST_CHECKED;
    SYSTEMTIME birth = {};
    if (DateTime_GetSystemtime(GetDlgItem(dialog, IDC_REG_BIRTH_DATE), &birth) == GDT_VALID) {
        form.birth = {birth.wYear, birth.wMonth, birth.wDay};
    } else {
        form.birth = Today();
    }
    form.loginId = GetItemText(dialog, IDC_REG_LOGIN_ID);
    form.password = GetItemText(dialog, IDC_REG_PASSWORD);
    form.email = GetItemText(dialog, IDC_REG_EMAIL);
    return form;
}

void Register(HWND dialog, const RegState& state) {
    if (ApplyRegistration(ReadForm(dialog), *state.user)) {
        EndDialog(dialog, IDOK);
        return;
    }
    ShowMessageBox(dialog, Widen(kRegistrationIncomplete), Widen(kApplicationName), MB_OK,
                   state.font);
}

void LimitField(HWND dialog, int id) {
    for (const Field& field : kTextFields) {
        if (field.id == id) KeepUserText(GetDlgItem(dialog, id), field.maxBytes);
    }
}

INT_PTR CALLBACK UserRegProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<RegState>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            ApplyDialogFont(dialog, state->font);
            ShowForm(dialog, FormOf(*state->user, Today()));
            CenterOnScreen(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDC_REG_OK:
                    Register(dialog, *state);
                    return TRUE;
                case IDCANCEL:
                case IDC_REG_CANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    if (HIWORD(wParam) == EN_CHANGE) LimitField(dialog, LOWORD(wParam));
                    break;
            }
            break;
    }
    return FALSE;
}

}  // namespace

bool RunUserRegDialog(HINSTANCE instance, HWND owner, UserInfo& user, HFONT font) {
    RegState state{&user, font};
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_USER_REG), owner,
                           GuardedModal<UserRegProc>, LPARAM(&state)) == IDOK;
}

}  // namespace nuv::win32
