#pragma once
// The pet's window: the main dialog's window, shaped frame by frame and painted from the
// picture sheet held in a memory DC.

#include <vector>

#include "ports/PetWindow.h"
#include "win32/FrameTimings.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

class Win32PetWindow : public IPetWindow {
  public:
    explicit Win32PetWindow(ShellContext& context) : context_(context) {}
    ~Win32PetWindow() override;
    Win32PetWindow(const Win32PetWindow&) = delete;
    Win32PetWindow& operator=(const Win32PetWindow&) = delete;

    // WM_PAINT: the core paints through PaintFromSheet between these two calls.
    void BeginPaintFrame(HDC paintDC);
    void EndPaintFrame();
    // Releases the sheet (the window is about to go).
    void ReleaseSheet();
    bool Ended() const { return ended_; }
    FrameTimings& Timings() { return timings_; }

    Rect GetRect() override;
    void Move(int x, int y) override;
    void MoveResize(int x, int y, int width, int height) override;
    void SetShape(const Region& shape) override;
    void Repaint() override;
    void Show(bool visible) override;
    void SetTopMost(bool topMost) override;
    void BringToTop() override;
    void SetForeground() override;
    void StartTimer(int id, uint32_t periodMs) override;
    void StopTimer(int id) override;
    uint32_t PrepareSheet(const Image& sheet) override;
    void PaintFromSheet(const Rect& source) override;
    Point ClientToScreen(Point client) override;
    void BeginMoveLoop(Point screen) override;
    void SetTitle(const std::string& title) override;
    void SetIcon(int id) override;
    void HideFromTaskBar() override;
    void EndDialog() override;

  private:
    HWND hwnd() const { return context_.petWindow; }

    ShellContext& context_;
    HDC sheetDC_ = nullptr;
    HBITMAP sheet_ = nullptr;
    HGDIOBJ replaced_ = nullptr;
    HDC paintDC_ = nullptr;
    HICON icon_ = nullptr;
    std::vector<Rect> shapeRects_;  // the shape the window has
    bool hasShape_ = false;
    bool ended_ = false;
    FrameTimings timings_;
};

}  // namespace nuv::win32
