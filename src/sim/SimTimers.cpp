#include "sim/SimTimers.h"

#include <algorithm>

namespace nuv {

void SimTimers::Start(const void* owner, int id, uint32_t period, uint64_t now, Callback callback) {
    Stop(owner, id);
    if (period == 0) period = 1;
    timers_.push_back({owner, id, period, now + period, nextOrder_++, std::move(callback)});
}

void SimTimers::Stop(const void* owner, int id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.owner == owner && t.id == id; }),
                  timers_.end());
}

void SimTimers::StopAll(const void* owner) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.owner == owner; }),
                  timers_.end());
}

bool SimTimers::IsRunning(const void* owner, int id) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.owner == owner && t.id == id; });
}

uint32_t SimTimers::Period(const void* owner, int id) const {
    for (const Timer& t : timers_) {
        if (t.owner == owner && t.id == id) return t.period;
    }
    return 0;
}

uint64_t SimTimers::NextDue() const {
    uint64_t due = UINT64_MAX;
    for (const Timer& t : timers_)
        due = std::min(due, t.due);
    return due;
}

bool SimTimers::FireDue(uint64_t now) {
    auto earliest = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->due > now) continue;
        if (earliest == timers_.end() || it->due < earliest->due ||
            (it->due == earliest->due && it->order < earliest->order)) {
            earliest = it;
        }
    }
    if (earliest == timers_.end()) return false;
    // Re-arm before firing: the callback may stop or restart its own timer.
    uint64_t next = earliest->due + earliest->period;
    if (next <= now) next = now + earliest->period;
    earliest->due = next;
    earliest->order = nextOrder_++;
    Callback callback = earliest->callback;
    callback();
    return true;
}

}  // namespace nuv
