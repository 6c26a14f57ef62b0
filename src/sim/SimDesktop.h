#pragma once
// The simulated desktop: every port of the pet on a virtual clock, driven by scripted input.
// The same handlers run as on Windows; time moves only when an event is processed.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pet/PetPorts.h"
#include "ports/BalloonWindows.h"
#include "ports/Desktop.h"
#include "ports/Dialogs.h"
#include "ports/LoadingWindow.h"
#include "ports/ObjectWindow.h"
#include "ports/PetWindow.h"
#include "ports/PopupMenu.h"
#include "ports/StdClock.h"
#include "ports/SystemServices.h"
#include "ports/TextMetrics.h"
#include "shape/Region.h"
#include "sim/ManualClock.h"
#include "sim/SimInput.h"
#include "sim/SimReporter.h"
#include "sim/SimTimers.h"

namespace nuv {

class CPetMainDlg;

struct SimOptions {
    uint64_t seconds = 60;
    uint32_t seed = 1;
    DesktopSize desktop{1024, 738};
    std::optional<std::string> name;  // the first-run name; cancelled when not given
    LocalTime start{2026, 1, 1, 12, 0, 0};
    std::vector<SimInput> events;
    bool trace = false;
    IFileSystem* files = nullptr;  // the pet's root (required)
};

class CSimDesktop : public IPetWindow,
                    public IDesktop,
                    public ISystemServices,
                    public ISystemCursors,
                    public IHookLibrary,
                    public IDialogs,
                    public IPopupMenu,
                    public ITrayIcon,
                    public IBalloonWindows,
                    public IObjectWindows,
                    public ITextMetrics,
                    public IPetEvents {
  public:
    CSimDesktop(SimOptions options, ISimReporter* reporter);
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
    bool Ended() const { return ended_; }

    CPetMainDlg& dialog() { return *dialog_; }
    uint64_t Now() const { return clock_.ElapsedMs(); }
    IClock& clock() { return clock_; }
    const Rect& WindowRect() const { return rect_; }
    bool HookInstalled() const { return hookInstalled_; }
    const Region& Shape() const { return shape_; }
    bool Visible() const { return visible_; }
    bool TopMost() const { return topMost_; }
    int ShapeChanges() const { return shapeChanges_; }

    // IPetWindow
    Rect GetRect() override { return rect_; }
    void Move(int x, int y) override;
    void MoveResize(int x, int y, int width, int height) override;
    void SetShape(const Region& shape) override;
    void Repaint() override {}
    void Show(bool visible) override;
    void SetTopMost(bool topMost) override { topMost_ = topMost; }
    void BringToTop() override {}
    void SetForeground() override {}
    void StartTimer(int id, uint32_t periodMs) override;
    void StopTimer(int id) override;
    uint32_t PrepareSheet(const Image& sheet) override { return 0; }
    void PaintFromSheet(const Rect& source) override { lastPaint_ = source; }
    Point ClientToScreen(Point client) override;
    void BeginMoveLoop(Point screen) override { moveLoopPending_ = true; }
    void SetTitle(const std::string& title) override { title_ = title; }
    void SetIcon(int id) override {}
    void HideFromTaskBar() override {}
    void EndDialog() override;

    // IDesktop
    DesktopSize GetDesktopSize() override { return options_.desktop; }
    Point GetCursorPos() override { return cursor_; }
    void SetCursorPos(Point screen) override { cursor_ = screen; }

    // ISystemServices
    uint32_t GetVersion(OsVersion* version) override;
    bool OpenInternetLibrary() override { return true; }
    int GetDragFullWindows() override { return dragFullWindows_; }
    void SetDragFullWindows(int value) override { dragFullWindows_ = value; }
    void PlaySoundFile(const std::string& path) override;
    void OpenUrl(const std::string& url) override;
    bool StartsWithDesktop() override { return startsWithDesktop_; }
    bool SetStartWithDesktop(bool start) override {
        startsWithDesktop_ = start;
        return true;
    }

    // ISystemCursors
    void SaveCursors() override { cursorsSaved_ = true; }
    bool ApplyCursorFile(const std::string& path) override;
    bool ApplyCursorResource(int id) override;
    void RestoreCursors() override;
    bool LoadHoverCursor(const std::string& path) override { return true; }
    void ShowHoverCursor() override {}
    void DestroyHoverCursor() override {}

    // IHookLibrary
    void InitHooksDll() override {}
    void InstallHook() override { hookInstalled_ = true; }
    void UnInstallHook() override { hookInstalled_ = false; }

    // IDialogs
    void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                    bool ownedByPet) override;
    std::optional<std::string> InputBox(const std::string& caption,
                                        const std::string& question) override;
    std::optional<int> ChooseFromList(const std::string& caption,
                                      const std::vector<std::string>& entries) override;
    bool RegisterUser(UserInfo& user) override { return false; }
    void ShowAbout() override {}
    void ShowTimedPicture(const std::string& path, unsigned seconds) override;

    // IPopupMenu
    void Track(const MenuModel& menu, Point screen) override;
    Pixel MenuColor() override { return MakePixel(212, 208, 200); }

    // ITrayIcon
    bool Add(int iconId, const std::string& tip) override { return true; }
    bool Remove() override { return true; }

    // IBalloonWindows and IObjectWindows
    std::unique_ptr<IBalloonWindow> CreateBalloonWindow() override;
    std::unique_ptr<IObjectWindow> CreateObjectWindow() override;

    // ITextMetrics: half the font height for a single-byte character, the height for a
    // double-byte one.
    int TextWidth(std::string_view text, const TextFont& font) override;

    // IPetEvents
    void OnActionStarted(int id, int previous) override;
    void OnLevelChanged(int level) override;
    void OnSaved(bool ok) override;
    void OnBalloonOpened(int kind, const std::string& text, Point position) override;
    void OnBalloonShown(const std::vector<std::string>& lines,
                        const std::vector<std::string>& links) override;
    void OnBalloonClosed() override;

  private:
    class SimBalloonWindow;
    class SimObjectWindow;
    PetPorts Ports();
    bool Start(bool run);
    void Process(const SimInput& event);
    std::size_t nextEvent_ = 0;
    void Click(int x, int y);
    void MoveCursor(Point p);
    void EndMoveLoop();
    SimBalloonWindow* OpenBalloonWindow();

    SimOptions options_;
    ISimReporter* reporter_;
    ManualClock clock_;
    SimTimers timers_;
    NullLoadingWindow loading_;
    std::unique_ptr<CPetMainDlg> dialog_;

    Rect rect_;
    Region shape_;
    int shapeChanges_ = 0;
    Rect lastPaint_;
    bool visible_ = true;
    bool topMost_ = false;
    bool ended_ = false;
    std::string title_;
    Point cursor_;
    bool moveLoopPending_ = false;
    bool moveLoop_ = false;
    Point loopWindow_, loopCursor_;
    bool hookInstalled_ = false;
    bool cursorsSaved_ = false;
    int dragFullWindows_ = 0;
    bool startsWithDesktop_ = false;
    std::deque<int> choices_;
    std::vector<SimBalloonWindow*> balloonWindows_;  // open ones, oldest first
};

}  // namespace nuv
