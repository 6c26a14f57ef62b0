#pragma once
// Do-nothing ports: what stands in for a port a shell, tool or test does not provide. Each
// answers as a system that shows nothing and refuses what it cannot do.

#include "ports/LoadingWindow.h"

namespace nuv {

class IPetWindow;
class IDesktop;
class ISystemServices;
class ISystemCursors;
class IHookLibrary;
class IDialogs;
class IPopupMenu;
class ITrayIcon;
class IBalloonWindows;
class ITextMetrics;
class IObjectWindows;
class ISettings;

IPetWindow& NoPetWindow();            // nowhere: an empty rectangle; the sheet is taken
IDesktop& NoDesktop();                // no monitor, the cursor at (0, 0)
ISystemServices& NoSystemServices();  // an unnamed system without internet, sound or links
ISystemCursors& NoSystemCursors();    // no cursor can be loaded
IHookLibrary& NoHookLibrary();
IDialogs& NoDialogs();                // every dialog cancelled
IPopupMenu& NoPopupMenu();            // never shown
ITrayIcon& NoTrayIcon();              // refuses the icon
IBalloonWindows& NoBalloonWindows();  // their windows cannot be created
ITextMetrics& NoTextMetrics();        // every text 0 pixels wide
IObjectWindows& NoObjectWindows();    // invisible windows
ISettings& NoSettings();              // nothing stored, nothing kept

}  // namespace nuv
