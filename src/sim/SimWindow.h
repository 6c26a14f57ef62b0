#pragma once
// The pet's window on the simulated desktop: it keeps its place, shape and state, runs its
// timers on the virtual clock and tells when it shows, hides or ends.

#include <functional>
#include <string>

#include "ports/PetWindow.h"
#include "shape/Region.h"
#include "sim/SimContext.h"

namespace nuv {

class CSimWindow : public IPetWindow {
  public:
    explicit CSimWindow(CSimContext& sim) : sim_(sim) {}

    Rect GetRect() override { return rect; }
    void Move(int x, int y) override { rect = {x, y, x + rect.Width(), y + rect.Height()}; }
    void MoveResize(int x, int y, int width, int height) override {
        rect = {x, y, x + width, y + height};
    }
    void SetShape(const Region& s) override;
    void Repaint() override {}
    void Show(bool show) override;
    void SetTopMost(bool on) override { topMost = on; }
    void BringToTop() override {}
    void SetForeground() override {}
    void StartTimer(int id, uint32_t periodMs) override;
    void StopTimer(int id) override { sim_.timers.Stop(this, id); }
    uint32_t PrepareSheet(const Image&) override { return 0; }
    void PaintFromSheet(const Rect& source) override { lastPaint = source; }
    Point ClientToScreen(Point client) override {
        return {rect.left + client.x, rect.top + client.y};
    }
    void BeginMoveLoop(Point) override { moveLoopAsked = true; }
    void SetTitle(const std::string& text) override { title = text; }
    void SetIcon(int) override {}
    void HideFromTaskBar() override {}
    void EndDialog() override;

    // What the window's messages reach: its timers and the paint after a new shape.
    std::function<void(int id)> onTimer;
    std::function<void()> onPaint;

    Rect rect;
    Region shape;
    int shapeChanges = 0;
    Rect lastPaint;
    bool visible = true;
    bool topMost = false;
    std::string title;
    bool moveLoopAsked = false;
    bool ended = false;

  private:
    CSimContext& sim_;
};

}  // namespace nuv
