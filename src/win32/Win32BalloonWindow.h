#pragma once
// The speech balloon's window (template 138): a bordered pop-up tool window owned by the
// desktop, shaped by the balloon picture, showing the core's drawings from an off-screen
// bitmap and reporting mouse, keys, timers and its end to the balloon model.

#include "ports/BalloonWindow.h"
#include "ports/BalloonWindows.h"
#include "win32/KoreanFonts.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

class Win32BalloonWindow : public IBalloonWindow {
  public:
    Win32BalloonWindow(ShellContext& context, KoreanFonts& fonts);
    // Destroys a window still open without reporting.
    ~Win32BalloonWindow() override;
    Win32BalloonWindow(const Win32BalloonWindow&) = delete;
    Win32BalloonWindow& operator=(const Win32BalloonWindow&) = delete;

    bool Create(int width, int height, IBalloonWindowEvents& events) override;
    void SetShape(const std::vector<Rect>& rects) override;
    void MoveTo(int x, int y) override;
    void Show() override;
    void BringToTop() override;
    void Draw(const BalloonDrawing& drawing) override;
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    void ShowLinkCursor() override;
    void Destroy() override;

    HWND hwnd() const { return hwnd_; }
    // Escape or Enter pressed in the balloon; the report may destroy this object.
    void ReportKey(BalloonKey key);

  private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void OnDestroy();
    void ReleasePicture();

    ShellContext& context_;
    KoreanFonts& fonts_;
    IBalloonWindowEvents* events_ = nullptr;
    HWND hwnd_ = nullptr;
    HBITMAP picture_ = nullptr;  // the last drawing, client size
    Size pictureSize_;
};

class Win32BalloonWindows : public IBalloonWindows {
  public:
    Win32BalloonWindows(ShellContext& context, KoreanFonts& fonts)
        : context_(context), fonts_(fonts) {}
    std::unique_ptr<IBalloonWindow> CreateBalloonWindow() override;

  private:
    ShellContext& context_;
    KoreanFonts& fonts_;
};

// Escape and Enter for a balloon that has the focus; true when the message went to a balloon
// (the message loop then drops it).
bool PreTranslateBalloonKey(const MSG& message);

}  // namespace nuv::win32
