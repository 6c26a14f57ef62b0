#pragma once
#include "ports/SystemServices.h"

namespace nuv {

// The notification-area icon: always accepted; the scripted input clicks it.
class CSimTray : public ITrayIcon {
  public:
    bool Add(int, const std::string&) override {
        shown = true;
        return true;
    }
    bool Remove() override {
        shown = false;
        return true;
    }

    bool shown = false;
};

}  // namespace nuv
