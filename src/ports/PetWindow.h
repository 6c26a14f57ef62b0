#pragma once
// The pet's own window as the core sees it: a borderless window the size of one frame.

#include <cstdint>
#include <string>

#include "base/Geometry.h"

namespace nuv {

class Image;
class Region;

class IPetWindow {
  public:
    virtual ~IPetWindow() = default;

    // Window rectangle in screen coordinates.
    virtual Rect GetRect() = 0;
    // Moves without changing size or z-order.
    virtual void Move(int x, int y) = 0;
    // Moves and sizes without changing the z-order.
    virtual void MoveResize(int x, int y, int width, int height) = 0;
    // Sets the window's shape (client coordinates) and redraws; the paint then calls DrawFrame.
    virtual void SetShape(const Region& shape) = 0;
    virtual void Repaint() = 0;
    virtual void Show(bool visible) = 0;
    virtual void SetTopMost(bool topMost) = 0;
    virtual void BringToTop() = 0;
    virtual void SetForeground() = 0;

    virtual void StartTimer(int id, uint32_t periodMs) = 0;
    virtual void StopTimer(int id) = 0;

    // Holds the picture sheet for painting. Returns 0, or the system's error code.
    virtual uint32_t PrepareSheet(const Image& sheet) = 0;
    // Paints `source` of the sheet at the client's (0, 0).
    virtual void PaintFromSheet(const Rect& source) = 0;

    virtual Point ClientToScreen(Point client) = 0;
    // Starts the system's window-move loop as a caption drag from `screen`.
    virtual void BeginMoveLoop(Point screen) = 0;

    virtual void SetTitle(const std::string& title) = 0;
    // Swaps the window's icon for the program's icon resource `id`.
    virtual void SetIcon(int id) = 0;
    // Takes the window out of the task bar (tool window instead of application window).
    virtual void HideFromTaskBar() = 0;
    // Ends the main dialog's modal run.
    virtual void EndDialog() = 0;
};

}  // namespace nuv
