#include "win32/smoke/SmokeDialogs.h"

#include "win32/WinApi.h"

#include <commctrl.h>

#include "resource.h"

namespace nuv::smoke {
namespace {

INT_PTR CALLBACK SampleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        return TRUE;  // samples stay open until the process ends
    }
    return FALSE;
}

HWND OpenAt(HINSTANCE instance, int templateId, int x, int y) {
    HWND dialog =
        CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), nullptr, SampleDialogProc, 0);
    if (!dialog) return nullptr;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    return dialog;
}

void FillRegistration(HWND dialog) {
    SetDlgItemTextW(dialog, IDC_REG_NAME, L"홍길동");
    SetDlgItemTextW(dialog, IDC_REG_LOGIN_ID, L"nuvpet");
    SetDlgItemTextW(dialog, IDC_REG_PASSWORD, L"secret");
    SetDlgItemTextW(dialog, IDC_REG_EMAIL, L"pet@example.com");
    CheckRadioButton(dialog, IDC_REG_MALE, IDC_REG_FEMALE, IDC_REG_FEMALE);
    SYSTEMTIME birth = {};
    birth.wYear = 1999;
    birth.wMonth = 7;
    birth.wDay = 31;
    DateTime_SetSystemtime(GetDlgItem(dialog, IDC_REG_BIRTH_DATE), GDT_VALID, &birth);
}

}  // namespace

void OpenSampleDialogs(HINSTANCE instance) {
    OpenAt(instance, IDD_ABOUTBOX, 400, 20);
    if (HWND input = OpenAt(instance, IDD_INPUT_BOX, 20, 300)) {
        SetWindowTextW(input, L"이름 짓기");
        SetDlgItemTextW(input, IDC_INPUT_QUESTION, L"펫의 이름을 지어 주세요.");
        SetDlgItemTextW(input, IDC_INPUT_ANSWER, L"나비");
    }
    if (HWND registration = OpenAt(instance, IDD_USER_REG, 760, 160)) {
        FillRegistration(registration);
    }
    if (HWND loading = OpenAt(instance, IDD_LOADING, 20, 460)) {
        HWND bar = GetDlgItem(loading, IDC_LOADING_PROGRESS);
        SendMessageW(bar, PBM_SETRANGE32, 0, 100);
        SendMessageW(bar, PBM_SETPOS, 60, 0);
    }
}

}  // namespace nuv::smoke
