#include "sim/SimBalloonWindows.h"

#include <algorithm>

namespace nuv {

bool CSimBalloonWindow::Create(int width, int height, IBalloonWindowEvents& events) {
    if (refuseCreate) return false;
    size = Size{width, height};
    events_ = &events;
    if (open_) open_->push_back(this);
    return true;
}

void CSimBalloonWindow::Draw(const BalloonDrawing& d) {
    drawing = d;
    ++drawCount;
}

void CSimBalloonWindow::StartTimer(int id, int milliseconds) {
    sim_.timers.Start(this, id, uint32_t(milliseconds), sim_.Now(),
                      [this, id] { events_->OnTimer(id); });
}

void CSimBalloonWindow::Destroy() {
    ++destroyCount;
    if (!events_) return;
    IBalloonWindowEvents* events = events_;
    Forget();
    events->OnDestroyed();  // may delete this window
}

void CSimBalloonWindow::Forget() {
    sim_.timers.StopAll(this);
    if (open_) open_->erase(std::remove(open_->begin(), open_->end(), this), open_->end());
    events_ = nullptr;
}

}  // namespace nuv
