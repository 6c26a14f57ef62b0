#pragma once
#include <string>

#include "ports/NullPorts.h"
#include "ports/SystemServices.h"

namespace nuv {

// The pet's notification-area icon: added after a successful start, removed at the end.
class CTrayIcon {
  public:
    static constexpr std::size_t kTipBytes = 63;

    CTrayIcon() = default;
    virtual ~CTrayIcon();

    void AttachTray(ITrayIcon& tray) { tray_ = &tray; }
    // Adds the icon with `tip` cut to 63 bytes; the shell's answer is ignored.
    void AddIcon(int iconId, const std::string& tip);
    // True at once when no icon was added; otherwise the shell's answer.
    bool RemoveIcon();
    bool IconShown() const { return shown_; }
    const std::string& Tip() const { return tip_; }

  private:
    ITrayIcon* tray_ = &NoTrayIcon();
    bool shown_ = false;
    std::string tip_;
};

}  // namespace nuv
