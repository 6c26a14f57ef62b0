#pragma once
#include "win32/WinApi.h"

namespace nuv {
struct UserInfo;
}

namespace nuv::win32 {

// The user registration dialog (template 169) on `user`: true when the user registered.
// The record keeps what was typed also when the dialog is cancelled afterwards.
bool RunUserRegDialog(HINSTANCE instance, HWND owner, UserInfo& user);

}  // namespace nuv::win32
