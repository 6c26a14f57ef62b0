#pragma once
// The main window's behaviour: the pet's own window, its timers, mouse, keys and commands.
// The Windows shell and the simulated desktop call these handlers for their messages; no
// exception leaves them.

#include <cstdint>
#include <memory>

#include "pet/Pet.h"
#include "zoom/Zoom.h"
#include "zoom/ZoomedPorts.h"

namespace nuv {

// Resources of the program named by the core.
enum ProgramResource {
    kIconStart = 128,
    kIconRunning = 176,
    kCursorDrag = 136,
    kCursorCatch = 168,
};

// Mouse messages a tray notification carries.
enum TrayMouseMessage { kTrayLeftDown = 0x0201, kTrayRightDown = 0x0204 };

extern const char kApplicationName[];
// The message of a pet that could not start, and its caption.
extern const char kStartFailureText[];
extern const char kStartFailureCaption[];
// The message of a second start on a pet root whose program runs (the shells' fallback).
extern const char kAlreadyRunningText[];

class CPetMainDlg {
  public:
    explicit CPetMainDlg(const PetPorts& ports);
    ~CPetMainDlg();

    // The start-up once the window exists; false when the pet could not start (the dialog
    // has then been ended after the error message).
    bool OnInitDialog();
    // The start-up of a check of the pet: up to the placed window, no action, no timer.
    bool CheckPet();
    void OnPaint();
    void OnLButtonDown(int x, int y);
    void OnRButtonDown(int x, int y);
    // The window-move loop begins (WM_GETMINMAXINFO).
    void OnGetMinMaxInfo();
    // The mouse capture changed (WM_CAPTURECHANGED): edge correction and the end of a drag.
    void OnCaptureChanged();
    // The monitors changed (WM_DISPLAYCHANGE, monitors-changed): a pet off every monitor comes
    // back to the ground of the nearest one.
    void OnDisplayChange();
    void OnTimer(int id);
    // True when the message was handled (no default processing).
    bool OnSetCursor();
    // The hook library's message (0x401).
    void OnHookMessage(uintptr_t wParam, intptr_t lParam);
    // True when the key must not reach the dialog (Escape and Enter never end it).
    bool PreTranslateKey(int virtualKey);
    // A menu command; true when the dialog has ended.
    bool OnCommand(int id);
    void OnTrayNotify(int mouseMessage);
    // System command 16 (the about box).
    void OnSysCommand(int id);

    CPet& pet() { return *pet_; }
    // The zoom the pet is drawn at (1 to 3).
    int zoom() const { return zoom_.zoom(); }
    bool dragging() const { return dragging_; }
    bool ended() const { return ended_; }

  private:
    // Runs a handler; an exception from it ends the program (OnFault) and gives `onFault`.
    template <class Handler>
    void Guard(const char* handler, Handler&& run);
    template <class Result, class Handler>
    Result Guard(const char* handler, Result onFault, Handler&& run);
    void OnFault(const char* handler, const char* what);
    bool StartPet();
    void ShowStartFailure();
    void AddTrayIcon();
    void ShowTitle();
    void CommandPrologue();
    void RunCommand(int id);
    void ToggleStartWithDesktop();
    void ExitSequence();
    void ChangePet();
    void ReplacePet();
    void EndDialog();
    void ThrowOrDrop(Point release);
    // Whether the pet stood on the ground of its monitor before the monitors changed.
    bool StoodOnGround() const;
    // The zoom of the setting, or under Auto the zoom of the monitor at `rect` (pet pixels).
    int ChosenZoom(const Rect& rect);
    // Auto: the zoom follows the scale of the monitor the pet stands on.
    void FollowMonitorScale();
    void ChooseZoom(int setting);
    // Draws the pet at `zoom`, its feet (bottom centre) kept in place on its monitor.
    void ChangeZoom(int zoom);
    // Tells the pet the zoom (for its balloons) and the setting (for its menu).
    void ShareZoom();

    PetPorts shell_;  // the shell's ports
    CZoomedPorts zoom_;
    PetPorts ports_;  // the pet's: in pet pixels
    int zoomSetting_ = kAutoZoom;
    Monitors screenMonitors_;  // the shell's monitors before the next display change
    std::unique_ptr<CPet> pet_;
    bool dragging_ = false;
    Point lastSample_;
    bool hoverCursor_ = false;
    bool ended_ = false;
};

}  // namespace nuv
