#pragma once
// Everything the pet needs from its surroundings: the shell gives the real windows, the
// simulated desktop virtual ones.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/NullPorts.h"
#include "ports/PetEvents.h"

namespace nuv {

class IClock;
class IFileSystem;

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
    ISettings* settings = &NoSettings();  // the program's settings, apart from the pet's files
    IClock* clock = nullptr;
    IFileSystem* files = nullptr;
    IPetEvents* events = &NoPetEvents();
    // The random generator's seed; the calendar time when not given.
    std::optional<uint32_t> randomSeed;
};

}  // namespace nuv
