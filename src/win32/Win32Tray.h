#pragma once
#include "ports/SystemServices.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

// The callback message of the notification-area icon.
constexpr UINT kTrayMessage = WM_APP + 0x64;

// The pet's notification-area icon; its notifications go to the pet window.
class Win32Tray : public ITrayIcon {
  public:
    explicit Win32Tray(ShellContext& context) : context_(context) {}
    ~Win32Tray() override;

    bool Add(int iconId, const std::string& tip) override;
    bool Remove() override;

  private:
    ShellContext& context_;
    HICON icon_ = nullptr;
    bool added_ = false;
};

}  // namespace nuv::win32
