#pragma once
// The simulated desktop: every port of the pet on a virtual clock, driven by scripted input.
// It wires the small fakes of the ports together; the same handlers run as on Windows, and
// time moves only when an event is processed.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ports/PetPorts.h"
#include "sim/SimBalloonWindows.h"
#include "sim/SimContext.h"
#include "sim/SimCursors.h"
#include "sim/SimDialogs.h"
#include "sim/SimInput.h"
#include "sim/SimLoadingWindow.h"
#include "sim/SimMenu.h"
#include "sim/SimObjectWindows.h"
#include "sim/SimScreen.h"
#include "sim/SimSettings.h"
#include "sim/SimSystem.h"
#include "sim/SimTextMetrics.h"
#include "sim/SimTray.h"
#include "sim/SimWindow.h"

namespace nuv {

class CPetMainDlg;

struct SimOptions {
    uint64_t seconds = 60;
    uint32_t seed = 1;
    Monitors desktop{{0, 0, 1024, 738}};  // the primary monitor first
    std::optional<std::string> name;      // the first-run name; cancelled when not given
    LocalTime start{2026, 1, 1, 12, 0, 0};
    std::vector<SimInput> events;
    bool trace = false;
    std::optional<std::string> zoom;  // the stored zoom setting ("auto", "1".."3"); none stored
    IFileSystem* files = nullptr;     // the pet's root (required)
};

// The events of the run go to `sink` (none: nobody listens), stamped with the virtual time.
class CSimDesktop : public IPetEvents {
  public:
    CSimDesktop(SimOptions options, IPetEvents* sink);
    ~CSimDesktop() override;

    // Starts the pet and runs it; false when the start failed.
    bool Run();
    // The start-up of the program; false when the pet could not start.
    bool Start() { return Start(true); }
    // Runs events and timers up to `ms` (virtual time), or until the program ends.
    void RunUntil(uint64_t ms);
    // Adds an event of scripted input (at its time, after the events given before).
    void Post(const SimInput& event);
    // Only the start-up, up to the placed window and the menu icons (no action, no timer).
    bool Check();
    bool Ended() const { return window_.ended; }

    CPetMainDlg& dialog() { return *dialog_; }
    uint64_t Now() const { return sim_.Now(); }
    IClock& clock() { return sim_.clock; }
    const Rect& WindowRect() const { return window_.rect; }
    bool HookInstalled() const { return cursors_.hookInstalled; }
    const std::string& HoverCursorFile() const { return cursors_.hoverFile; }
    const CSimDialogs& dialogs() const { return dialogs_; }
    const Region& Shape() const { return window_.shape; }
    bool Visible() const { return window_.visible; }
    bool TopMost() const { return window_.topMost; }
    int ShapeChanges() const { return window_.shapeChanges; }
    CSimWindow& window() { return window_; }
    CSimScreen& screen() { return screen_; }
    CSimSystem& system() { return system_; }
    CSimSettings& settings() { return settings_; }
    CSimBalloonWindows& balloons() { return balloons_; }

    // The core's events: stamped, an action with the window's place.
    void OnEvent(const PetEvent& event) override;

  private:
    PetPorts Ports();
    bool Start(bool run);
    void Process(const SimInput& event);
    void Click(int x, int y);
    void MoveCursor(Point p);
    void EndMoveLoop();
    void OnWindowTimer(int id);

    SimOptions options_;
    CSimContext sim_;
    CSimWindow window_{sim_};
    CSimScreen screen_;
    CSimSystem system_{sim_};
    CSimCursors cursors_{sim_};
    CSimDialogs dialogs_;
    CSimMenu menu_{sim_};
    CSimTray tray_;
    CSimLoadingWindow loading_{sim_};
    CSimBalloonWindows balloons_{sim_};
    CSimObjectWindows objects_{sim_};
    CSimTextMetrics text_;
    CSimSettings settings_;
    std::unique_ptr<CPetMainDlg> dialog_;

    std::size_t nextEvent_ = 0;
    bool moveLoop_ = false;
    Point loopWindow_, loopCursor_;
};

}  // namespace nuv
