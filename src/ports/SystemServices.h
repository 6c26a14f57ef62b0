#pragma once
// Operating-system services: version, internet library, drag setting, cursors, sound, links.

#include <cstdint>
#include <string>

namespace nuv {

struct OsVersion {
    enum Platform { kWin32s = 0, kWindows9x = 1, kWindowsNt = 2, kOther = 3 };
    int platform = kOther;
    uint32_t major = 0;
    uint32_t minor = 0;
    std::string servicePack;
};

class ISystemServices {
  public:
    virtual ~ISystemServices() = default;
    // Returns 0 and fills `version`, or the system's error code.
    virtual uint32_t GetVersion(OsVersion* version) = 0;
    // True when the internet library opens (no connection is made).
    virtual bool OpenInternetLibrary() = 0;
    virtual int GetDragFullWindows() = 0;
    virtual void SetDragFullWindows(int value) = 0;
    // Plays a sound file asynchronously, cutting the one playing.
    virtual void PlaySoundFile(const std::string& path) = 0;
    // Opens a web address in the user's browser.
    virtual void OpenUrl(const std::string& url) = 0;
    // Whether the program starts with the user's session, on the pet root it runs on now.
    virtual bool StartsWithDesktop() = 0;
    // Makes the program start with the user's session on this pet root, or no longer; false
    // when the system refused.
    virtual bool SetStartWithDesktop(bool start) = 0;
};

// The system-wide cursors. The core decides when; the shell keeps the saved copies.
class ISystemCursors {
  public:
    virtual ~ISystemCursors() = default;
    // Saves a copy of each of the 15 standard cursors.
    virtual void SaveCursors() = 0;
    // Makes the cursor of a file (or of a program resource) every standard cursor.
    // False when it cannot be loaded (nothing changes then).
    virtual bool ApplyCursorFile(const std::string& path) = 0;
    virtual bool ApplyCursorResource(int id) = 0;
    // Puts the saved copies back and forgets them.
    virtual void RestoreCursors() = 0;
    // The cursor shown over the pet window while it is stroked: loaded once from a file,
    // shown on each set-cursor message, destroyed when the stroking ends.
    virtual bool LoadHoverCursor(const std::string& path) = 0;
    virtual void ShowHoverCursor() = 0;
    virtual void DestroyHoverCursor() = 0;
};

// The outside input-hook library.
class IHookLibrary {
  public:
    virtual ~IHookLibrary() = default;
    virtual void InitHooksDll() = 0;  // reports to the pet window
    virtual void InstallHook() = 0;
    virtual void UnInstallHook() = 0;
};

// The notification-area icon.
class ITrayIcon {
  public:
    virtual ~ITrayIcon() = default;
    // Adds the icon with program icon resource `iconId` and `tip`; false when refused.
    virtual bool Add(int iconId, const std::string& tip) = 0;
    virtual bool Remove() = 0;
};

}  // namespace nuv
