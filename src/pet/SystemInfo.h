#pragma once
// The operating-system services the pet uses: version name, internet test, drag setting,
// desktop geometry and the replacement of the system cursors.

#include <string>

#include "ports/Desktop.h"
#include "ports/NullPorts.h"
#include "ports/SystemServices.h"

namespace nuv {

// The 15 standard system cursors replaced and restored together.
constexpr int kStandardCursorIds[15] = {32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                                        32643, 32644, 32645, 32646, 32649, 32650, 32651};

class CSystemInfo {
  public:
    CSystemInfo() = default;
    virtual ~CSystemInfo();

    void AttachSystem(ISystemServices& system, ISystemCursors& cursors, IDesktop& desktop);

    // The name of the Windows version; empty for versions without a name (or on failure, logged).
    std::string GetWindowType();
    int IsInternetAvailable();
    int GetDragFullWindows();
    void SetDragFullWindows(int value);
    const Monitors& GetMonitors();

    // Every standard cursor becomes the given cursor. The user's cursors are saved by the first
    // replacement only, so a restoration always brings back the user's own cursors.
    void SetCursorFromResource(int id);
    void SetCursorFromFile(const std::string& path);
    // Puts the saved cursors back; nothing when none are saved.
    void RestoreSystemCursors();
    bool CursorsReplaced() const { return cursorsSaved_; }

  protected:
    ISystemServices* system_ = &NoSystemServices();
    ISystemCursors* cursors_ = &NoSystemCursors();
    IDesktop* desktop_ = &NoDesktop();

  private:
    void SaveCursorsOnce();
    bool cursorsSaved_ = false;
};

// The name of a Windows version, or empty.
std::string WindowsVersionName(const OsVersion& version);

}  // namespace nuv
