#pragma once
// The speech balloon's window as the shell provides it, and what the shell reports back.
// The window makes no decision: it takes a size, a shape and drawings, runs timers and
// forwards mouse, keys and its destruction.

#include <vector>

#include "base/Geometry.h"
#include "ports/BalloonDrawing.h"

namespace nuv {

enum class BalloonKey { kEscape, kEnter };

// Implemented by the balloon's model; every call comes on the user-interface thread.
// Coordinates are client coordinates.
class IBalloonWindowEvents {
  public:
    virtual ~IBalloonWindowEvents() = default;
    virtual void OnTimer(int id) = 0;
    virtual void OnMouseMove(int x, int y) = 0;
    // True when the balloon has chosen the cursor (ShowLinkCursor); false asks for the
    // default handling.
    virtual bool OnSetCursor() = 0;
    // True when the click was handled; false asks for the default handling.
    virtual bool OnLButtonDown(int x, int y) = 0;
    // Escape or Enter pressed while the balloon has the focus (other keys are not reported).
    virtual void OnKey(BalloonKey key) = 0;
    // The window is gone: the last report. The receiver may delete the window object in it,
    // so the window touches none of its members after making this call.
    virtual void OnDestroyed() = 0;
};

class IBalloonWindow {
  public:
    virtual ~IBalloonWindow() = default;
    // Creates the window hidden: a pop-up of `width` x `height` pixels (outer size) with a thin
    // border, so the client area starts at (1, 1) of the window; a tool window without a
    // taskbar button, owned by the desktop. False when the system refuses.
    virtual bool Create(int width, int height, IBalloonWindowEvents& events) = 0;
    // The window's shape: the union of `rects` (y-banded, window coordinates).
    virtual void SetShape(const std::vector<Rect>& rects) = 0;
    // Moves the window (screen coordinates) without sizing it or changing the z-order.
    virtual void MoveTo(int x, int y) = 0;
    virtual void Show() = 0;
    // Raises the window to the top of the z-order.
    virtual void BringToTop() = 0;
    // Replaces what the window shows; the window repaints from its last drawing by itself.
    virtual void Draw(const BalloonDrawing& drawing) = 0;
    // A window timer: OnTimer(id) every `milliseconds` until stopped.
    virtual void StartTimer(int id, int milliseconds) = 0;
    virtual void StopTimer(int id) = 0;
    // Shows the system's up-arrow cursor (answering OnSetCursor).
    virtual void ShowLinkCursor() = 0;
    // Destroys the window; OnDestroyed follows (possibly before this call returns).
    virtual void Destroy() = 0;
};

}  // namespace nuv
