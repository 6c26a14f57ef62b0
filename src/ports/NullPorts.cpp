#include "ports/NullPorts.h"

#include "ports/BalloonWindows.h"
#include "ports/Desktop.h"
#include "ports/Dialogs.h"
#include "ports/ObjectWindow.h"
#include "ports/PetWindow.h"
#include "ports/PopupMenu.h"
#include "ports/Settings.h"
#include "ports/SystemServices.h"
#include "ports/TextMetrics.h"

namespace nuv {
namespace {

class NullPetWindow : public IPetWindow {
  public:
    Rect GetRect() override { return {}; }
    void Move(int, int) override {}
    void MoveResize(int, int, int, int) override {}
    void SetShape(const Region&) override {}
    void Repaint() override {}
    void Show(bool) override {}
    void SetTopMost(bool) override {}
    void BringToTop() override {}
    void SetForeground() override {}
    void StartTimer(int, uint32_t) override {}
    void StopTimer(int) override {}
    uint32_t PrepareSheet(const Image&) override { return 0; }
    void PaintFromSheet(const Rect&) override {}
    Point ClientToScreen(Point client) override { return client; }
    void BeginMoveLoop(Point) override {}
    void SetTitle(const std::string&) override {}
    void SetIcon(int) override {}
    void HideFromTaskBar() override {}
    void EndDialog() override {}
};

class NullDesktop : public IDesktop {
  public:
    const Monitors& GetMonitors() override { return monitors_; }
    Point GetCursorPos() override { return {}; }
    void SetCursorPos(Point) override {}

  private:
    Monitors monitors_;
};

class NullSystemServices : public ISystemServices {
  public:
    uint32_t GetVersion(OsVersion*) override { return 0; }
    bool OpenInternetLibrary() override { return false; }
    int GetDragFullWindows() override { return 0; }
    void SetDragFullWindows(int) override {}
    void PlaySoundFile(const std::string&) override {}
    void OpenUrl(const std::string&) override {}
    bool StartsWithDesktop() override { return false; }
    bool SetStartWithDesktop(bool) override { return false; }
};

class NullSystemCursors : public ISystemCursors {
  public:
    void SaveCursors() override {}
    bool ApplyCursorFile(const std::string&) override { return false; }
    bool ApplyCursorResource(int) override { return false; }
    void RestoreCursors() override {}
    bool LoadHoverCursor(const std::string&) override { return false; }
    void ShowHoverCursor() override {}
    void DestroyHoverCursor() override {}
};

class NullHookLibrary : public IHookLibrary {
  public:
    void InitHooksDll() override {}
    void InstallHook() override {}
    void UnInstallHook() override {}
};

class NullDialogs : public IDialogs {
  public:
    void MessageBox(const std::string&, const std::string&, MessageIcon, bool) override {}
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<int> ChooseFromList(const std::string&,
                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }
    bool RegisterUser(UserInfo&) override { return false; }
    void ShowAbout() override {}
    void ShowTimedPicture(const std::string&, unsigned) override {}
};

class NullPopupMenu : public IPopupMenu {
  public:
    void Track(const MenuModel&, Point) override {}
    Pixel MenuColor() override { return MakePixel(212, 208, 200); }
};

class NullTrayIcon : public ITrayIcon {
  public:
    bool Add(int, const std::string&) override { return false; }
    bool Remove() override { return true; }
};

class NullBalloonWindow : public IBalloonWindow {
  public:
    bool Create(int, int, IBalloonWindowEvents&) override { return false; }
    void SetShape(const std::vector<Rect>&) override {}
    void MoveTo(int, int) override {}
    void Show() override {}
    void BringToTop() override {}
    void Draw(const BalloonDrawing&) override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void ShowLinkCursor() override {}
    void Destroy() override {}
};

class NullBalloonWindows : public IBalloonWindows {
  public:
    std::unique_ptr<IBalloonWindow> CreateBalloonWindow() override {
        return std::make_unique<NullBalloonWindow>();
    }
};

class NullTextMetrics : public ITextMetrics {
  public:
    int TextWidth(std::string_view, const TextFont&) override { return 0; }
};

class NullObjectWindow : public IObjectWindow {
  public:
    void Place(Point, Size) override {}
    void SetPicture(const Image&, const Region&, const Rect&) override {}
    void Show(bool) override {}
};

class NullObjectWindows : public IObjectWindows {
  public:
    std::unique_ptr<IObjectWindow> CreateObjectWindow() override {
        return std::make_unique<NullObjectWindow>();
    }
};

class NullSettings : public ISettings {
  public:
    std::optional<std::string> GetString(const std::string&) override { return std::nullopt; }
    bool SetString(const std::string&, const std::string&) override { return false; }
};

// One shared object of each: they hold no state.
template <class Null>
Null& Shared() {
    static Null port;
    return port;
}

}  // namespace

IPetWindow& NoPetWindow() {
    return Shared<NullPetWindow>();
}
IDesktop& NoDesktop() {
    return Shared<NullDesktop>();
}
ISystemServices& NoSystemServices() {
    return Shared<NullSystemServices>();
}
ISystemCursors& NoSystemCursors() {
    return Shared<NullSystemCursors>();
}
IHookLibrary& NoHookLibrary() {
    return Shared<NullHookLibrary>();
}
IDialogs& NoDialogs() {
    return Shared<NullDialogs>();
}
IPopupMenu& NoPopupMenu() {
    return Shared<NullPopupMenu>();
}
ITrayIcon& NoTrayIcon() {
    return Shared<NullTrayIcon>();
}
IBalloonWindows& NoBalloonWindows() {
    return Shared<NullBalloonWindows>();
}
ITextMetrics& NoTextMetrics() {
    return Shared<NullTextMetrics>();
}
IObjectWindows& NoObjectWindows() {
    return Shared<NullObjectWindows>();
}
ISettings& NoSettings() {
    return Shared<NullSettings>();
}

}  // namespace nuv
