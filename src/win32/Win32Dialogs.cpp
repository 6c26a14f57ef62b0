#include "win32/Win32Dialogs.h"

#include "resource.h"
#include "win32/DialogHelpers.h"
#include "win32/KoreanFonts.h"
#include "win32/LastResort.h"
#include "win32/TimedPictureDialog.h"
#include "win32/UserRegDialog.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

struct InputBoxState {
    std::string caption, question, answer;
    HFONT font;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<InputBoxState>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            ApplyDialogFont(dialog, state->font);
            SetWindowTextW(dialog, Widen(state->caption).c_str());
            SetItemText(dialog, IDC_INPUT_QUESTION, state->question);
            RefuseFieldSeparator(GetDlgItem(dialog, IDC_INPUT_ANSWER));
            CenterOnScreen(dialog);
            SetFocus(GetDlgItem(dialog, IDC_INPUT_ANSWER));
            return FALSE;  // the focus is set
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDC_INPUT_OK:
                    state->answer = GetItemText(dialog, IDC_INPUT_ANSWER);
                    EndDialog(dialog, state->answer.empty() ? IDCANCEL : IDOK);
                    return TRUE;
                case IDCANCEL:
                case IDC_INPUT_CANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case IDC_INPUT_ANSWER:
                    if (HIWORD(wParam) == EN_CHANGE) KeepUserText(HWND(lParam));
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

struct ListState {
    std::string caption;
    const std::vector<std::string>* entries = nullptr;
    int choice = -1;
    HFONT font = nullptr;
};

INT_PTR CALLBACK ListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<ListState>(dialog, message, lParam);
    HWND list = GetDlgItem(dialog, IDC_CHOOSE_LIST);
    switch (message) {
        case WM_INITDIALOG:
            ApplyDialogFont(dialog, state->font);
            SetWindowTextW(dialog, Widen(state->caption).c_str());
            for (const std::string& entry : *state->entries) {
                SendMessageW(list, LB_ADDSTRING, 0, LPARAM(Widen(entry).c_str()));
            }
            SendMessageW(list, LB_SETCURSEL, 0, 0);
            CenterOnScreen(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK ||
                (LOWORD(wParam) == IDC_CHOOSE_LIST && HIWORD(wParam) == LBN_DBLCLK)) {
                LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
                state->choice = selected == LB_ERR ? -1 : int(selected);
                EndDialog(dialog, state->choice >= 0 ? IDOK : IDCANCEL);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ApplyDialogFont(dialog, HFONT(lParam));
        CenterOnScreen(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void Win32Dialogs::MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                              bool ownedByPet) {
    UINT style = MB_OK | (icon == kExclamation ? MB_ICONEXCLAMATION : 0);
    ShowMessageBox(ownedByPet ? context_.petWindow : nullptr, Widen(text), Widen(caption), style,
                   context_.DialogFont());
}

std::optional<std::string> Win32Dialogs::InputBox(const std::string& caption,
                                                  const std::string& question) {
    InputBoxState state{caption, question, {}, context_.DialogFont()};
    INT_PTR result =
        DialogBoxParamW(context_.instance, MAKEINTRESOURCEW(IDD_INPUT_BOX), context_.petWindow,
                        GuardedModal<InputBoxProc>, LPARAM(&state));
    if (result != IDOK) return std::nullopt;
    return state.answer;
}

std::optional<int> Win32Dialogs::ChooseFromList(const std::string& caption,
                                                const std::vector<std::string>& entries) {
    ListState state{caption, &entries, -1, context_.DialogFont()};
    INT_PTR result = DialogBoxParamW(context_.instance, MAKEINTRESOURCEW(IDD_CHOOSE_LIST),
                                     context_.petWindow, GuardedModal<ListProc>, LPARAM(&state));
    if (result != IDOK || state.choice < 0) return std::nullopt;
    return state.choice;
}

bool Win32Dialogs::RegisterUser(UserInfo& user) {
    return RunUserRegDialog(context_.instance, context_.petWindow, user, context_.DialogFont());
}

void Win32Dialogs::ShowAbout() {
    DialogBoxParamW(context_.instance, MAKEINTRESOURCEW(IDD_ABOUTBOX), context_.petWindow,
                    GuardedModal<AboutProc>, LPARAM(context_.DialogFont()));
}

void Win32Dialogs::ShowTimedPicture(const std::string& path, unsigned seconds) {
    RunTimedPictureDialog(context_.instance, nullptr, *context_.files, path, seconds);
}

}  // namespace nuv::win32
