#pragma once
// Everything the pet needs from its surroundings: the shell gives the real windows, the
// simulated desktop virtual ones.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/Image.h"
#include "ports/PetEvents.h"

namespace nuv {

class IPetWindow;
class IDesktop;
class ISystemServices;
class ISystemCursors;
class IHookLibrary;
class IDialogs;
class IPopupMenu;
class ITrayIcon;
class ILoadingWindow;
class IBalloonWindows;
class ITextMetrics;
class IObjectWindows;
class IClock;
class IFileSystem;

struct PetPorts {
    IPetWindow* window = nullptr;
    IDesktop* desktop = nullptr;
    ISystemServices* system = nullptr;
    ISystemCursors* cursors = nullptr;
    IHookLibrary* hook = nullptr;
    IDialogs* dialogs = nullptr;
    IPopupMenu* menu = nullptr;
    ITrayIcon* tray = nullptr;
    ILoadingWindow* loading = nullptr;  // none: the loading is not shown
    IBalloonWindows* balloons = nullptr;
    ITextMetrics* text = nullptr;
    IObjectWindows* objects = nullptr;
    IClock* clock = nullptr;
    IFileSystem* files = nullptr;
    IPetEvents* events = nullptr;  // none: nobody listens
    // The random generator's seed; the calendar time when not given.
    std::optional<uint32_t> randomSeed;
};

}  // namespace nuv
