#pragma once
// Everything the pet needs from its surroundings: the shell gives the real windows, the
// simulated desktop virtual ones.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/Image.h"

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
