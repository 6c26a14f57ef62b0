#pragma once
// Everything the pet needs from its surroundings: the shell gives the real windows, the
// simulated desktop virtual ones.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/Image.h"
#include "ports/NullPorts.h"

namespace nuv {

class IClock;
class IFileSystem;

// What the pet reports of its life (the simulated desktop prints it; the shell ignores it).
class IPetEvents {
  public:
    virtual ~IPetEvents() = default;
    virtual void OnActionStarted(int id, int previous) {}
    virtual void OnLevelChanged(int level) {}
    virtual void OnSaved(bool ok) {}
    virtual void OnBalloonOpened(int kind, const std::string& text, Point position) {}
    // The whole text of a balloon is on screen: its lines (without markers) and links.
    virtual void OnBalloonShown(const std::vector<std::string>& lines,
                                const std::vector<std::string>& links) {}
    virtual void OnBalloonClosed() {}
};

// Nobody listens.
inline IPetEvents& NoPetEvents() {
    static IPetEvents events;
    return events;
}

// A port left as it is does nothing (ports/NullPorts.h); the clock and the files must be given.
struct PetPorts {
    IPetWindow* window = &NoPetWindow();
    IDesktop* desktop = &NoDesktop();
    ISystemServices* system = &NoSystemServices();
    ISystemCursors* cursors = &NoSystemCursors();
    IHookLibrary* hook = &NoHookLibrary();
    IDialogs* dialogs = &NoDialogs();
    IPopupMenu* menu = &NoPopupMenu();
    ITrayIcon* tray = &NoTrayIcon();
    ILoadingWindow* loading = &NoLoadingWindow();  // the loading is not shown
    IBalloonWindows* balloons = &NoBalloonWindows();
    ITextMetrics* text = &NoTextMetrics();
    IObjectWindows* objects = &NoObjectWindows();
    IClock* clock = nullptr;
    IFileSystem* files = nullptr;
    IPetEvents* events = &NoPetEvents();
    // The random generator's seed; the calendar time when not given.
    std::optional<uint32_t> randomSeed;
};

}  // namespace nuv
