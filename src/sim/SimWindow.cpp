#include "sim/SimWindow.h"

namespace nuv {

void CSimWindow::SetShape(const Region& s) {
    shape = s;
    ++shapeChanges;
    if (onPaint) onPaint();
}

void CSimWindow::Show(bool show) {
    if (show == visible) return;
    visible = show;
    sim_.Tell({"window", {{"visible", show}}});
}

void CSimWindow::StartTimer(int id, uint32_t periodMs) {
    sim_.timers.Start(this, id, periodMs, sim_.Now(), [this, id] {
        if (onTimer) onTimer(id);
    });
}

void CSimWindow::EndDialog() {
    if (ended) return;
    ended = true;
    sim_.Tell({"exit"});
}

}  // namespace nuv
