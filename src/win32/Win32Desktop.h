#pragma once
#include <vector>

#include "ports/Desktop.h"
#include "win32/WinApi.h"

namespace nuv::win32 {

// What the system tells of one monitor: its work area, whether it is the primary one, and its
// effective DPI (96 at 100 %).
struct MonitorRecord {
    RECT work = {};
    bool primary = false;
    unsigned dpi = 96;
};

// The core's monitors from the system's records: the primary one first, the others in the
// system's order; a scale of DPI / 96; monitors without a work area left out.
Monitors ToMonitors(const std::vector<MonitorRecord>& records);

// Every monitor's record, as EnumDisplayMonitors lists them.
std::vector<MonitorRecord> ReadMonitorRecords();

// The monitors' work areas and scales, and the mouse cursor. The list is read once and again
// only after Forget (the pet asks at every step it takes); the shell forgets it when the
// displays, their DPI or the work area change.
class Win32Desktop : public IDesktop {
  public:
    const Monitors& GetMonitors() override;
    Point GetCursorPos() override;
    void SetCursorPos(Point screen) override;
    void Forget() { known_ = false; }

  private:
    Monitors monitors_;
    bool known_ = false;
};

}  // namespace nuv::win32
