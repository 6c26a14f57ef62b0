#include "pet/TrayIcon.h"

#include "base/Cp949.h"

namespace nuv {

CTrayIcon::~CTrayIcon() {
    RemoveIcon();
}

void CTrayIcon::AddIcon(int iconId, const std::string& tip) {
    tip_ = cp949::CutBytes(tip, kTipBytes);
    shown_ = true;
    tray_->Add(iconId, tip_);
}

bool CTrayIcon::RemoveIcon() {
    if (!shown_) return true;
    if (!tray_->Remove()) return false;
    shown_ = false;
    tip_.clear();
    return true;
}

}  // namespace nuv
