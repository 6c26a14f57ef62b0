#include "win32/Win32Hook.h"

#include "MHook.h"

namespace nuv::win32 {

void Win32Hook::InitHooksDll() {
    ::InitHooksDll(context_.petWindow);
}
void Win32Hook::InstallHook() {
    ::InstallHook();
}
void Win32Hook::UnInstallHook() {
    ::UnInstallHook();
}

}  // namespace nuv::win32
