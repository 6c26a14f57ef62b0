#pragma once
#include "ports/SystemServices.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

// MHook.dll, bound at load time: its cursor messages go to the pet window.
class Win32Hook : public IHookLibrary {
  public:
    explicit Win32Hook(ShellContext& context) : context_(context) {}

    void InitHooksDll() override;
    void InstallHook() override;
    void UnInstallHook() override;

  private:
    ShellContext& context_;
};

}  // namespace nuv::win32
