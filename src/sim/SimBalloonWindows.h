#pragma once
// The speech balloons' windows: each keeps what it was given, runs its timers on the virtual
// clock and takes the scripted clicks and keys.

#include <memory>
#include <vector>

#include "ports/BalloonWindows.h"
#include "sim/SimContext.h"

namespace nuv {

class CSimBalloonWindow : public IBalloonWindow {
  public:
    // `open` lists the created windows not yet destroyed, oldest first (none: not listed).
    explicit CSimBalloonWindow(CSimContext& sim, std::vector<CSimBalloonWindow*>* open = nullptr)
        : sim_(sim), open_(open) {}
    ~CSimBalloonWindow() override { Forget(); }

    bool Create(int width, int height, IBalloonWindowEvents& events) override;
    void SetShape(const std::vector<Rect>& rects) override { shape = rects; }
    void MoveTo(int x, int y) override { position = Point{x, y}; }
    void Show() override { shown = true; }
    void BringToTop() override {}
    void Draw(const BalloonDrawing& d) override;
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override { sim_.timers.Stop(this, id); }
    void ShowLinkCursor() override { ++linkCursorCount; }
    void Destroy() override;

    bool HasTimer(int id) const { return sim_.timers.IsRunning(this, id); }
    bool HasTimer(int id, int milliseconds) const {
        return HasTimer(id) && sim_.timers.Period(this, id) == uint32_t(milliseconds);
    }
    IBalloonWindowEvents* events() { return events_; }

    bool refuseCreate = false;
    Size size;
    std::vector<Rect> shape;
    Point position;
    bool shown = false;
    BalloonDrawing drawing;  // the last one
    int drawCount = 0;
    int linkCursorCount = 0;
    int destroyCount = 0;

  private:
    void Forget();

    CSimContext& sim_;
    std::vector<CSimBalloonWindow*>* open_;
    IBalloonWindowEvents* events_ = nullptr;
};

class CSimBalloonWindows : public IBalloonWindows {
  public:
    explicit CSimBalloonWindows(CSimContext& sim) : sim_(sim) {}
    std::unique_ptr<IBalloonWindow> CreateBalloonWindow() override {
        return std::make_unique<CSimBalloonWindow>(sim_, &open_);
    }
    // The newest balloon window not yet destroyed; none when no balloon is open.
    CSimBalloonWindow* Newest() { return open_.empty() ? nullptr : open_.back(); }

  private:
    CSimContext& sim_;
    std::vector<CSimBalloonWindow*> open_;
};

}  // namespace nuv
