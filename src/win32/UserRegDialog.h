#pragma once
#include "win32/WinApi.h"

namespace nuv {
struct UserInfo;
}

namespace nuv::win32 {

// The user registration dialog (template 169) on `user`: true when the user registered.
// The record keeps what was typed also when the dialog is cancelled afterwards. The controls
// and the dialog's messages use `font` when one is given.
bool RunUserRegDialog(HINSTANCE instance, HWND owner, UserInfo& user, HFONT font = nullptr);

}  // namespace nuv::win32
