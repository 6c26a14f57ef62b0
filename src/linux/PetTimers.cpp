#include "linux/PetTimers.h"

#include <algorithm>
#include <climits>

namespace nuv::gtk {

GSourceFuncs PetTimers::funcs_ = {
    PetTimers::Prepare, PetTimers::Check, PetTimers::Dispatch, nullptr, nullptr, nullptr};
std::vector<PetTimers*> PetTimers::sets_;
int PetTimers::running_ = 0;
bool PetTimers::runByCaller_ = false;

PetTimers::PetTimers(Handler handler, void* data) : handler_(handler), data_(data) {
    sets_.push_back(this);
}

PetTimers::~PetTimers() {
    Clear();
    if (alive_) *alive_ = false;
    auto it = std::find(sets_.begin(), sets_.end(), this);
    if (it == sets_.end()) return;
    if (running_) {
        *it = nullptr;  // RunDue is walking the list: it drops the slot itself
    } else {
        sets_.erase(it);
    }
}

void PetTimers::Start(int id, uint32_t periodMs) {
    Timer*& timer = timers_[id];
    if (!timer) {
        timer = reinterpret_cast<Timer*>(g_source_new(&funcs_, sizeof(Timer)));
        timer->owner = this;
        timer->id = id;
        timer->running = false;
        g_source_attach(&timer->source, nullptr);
    }
    timer->periodUs = gint64(periodMs ? periodMs : 1) * 1000;
    timer->dueUs = g_get_monotonic_time() + timer->periodUs;
}

void PetTimers::Stop(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second->dueUs = -1;
}

void PetTimers::Clear() {
    for (auto& [id, timer] : timers_) {
        g_source_destroy(&timer->source);
        g_source_unref(&timer->source);
    }
    timers_.clear();
}

gint64 PetTimers::NextDue() {
    gint64 next = -1;
    for (const PetTimers* set : sets_) {
        const gint64 due = set ? set->NextDueOfSet() : -1;
        if (due >= 0 && (next < 0 || due < next)) next = due;
    }
    return next;
}

gint64 PetTimers::NextDueOfSet() const {
    gint64 next = -1;
    for (const auto& [id, timer] : timers_) {
        if (timer->dueUs >= 0 && (next < 0 || timer->dueUs < next)) next = timer->dueUs;
    }
    return next;
}

void PetTimers::RunDue(gint64 now) {
    ++running_;
    // Sets made meanwhile come last and are walked too; sets gone leave an empty slot.
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        if (sets_[i]) sets_[i]->RunDueOfSet(now);
    }
    if (--running_ == 0) sets_.erase(std::remove(sets_.begin(), sets_.end(), nullptr), sets_.end());
}

void PetTimers::RunDueOfSet(gint64 now) {
    bool alive = true;
    alive_ = &alive;
    // A handler may stop, restart or add any timer: the next one is looked up after each.
    for (auto it = timers_.begin(); it != timers_.end(); it = timers_.upper_bound(it->first)) {
        Timer* timer = it->second;
        if (timer->dueUs < 0 || timer->dueUs > now) continue;
        const int id = it->first;
        timer->dueUs = now + timer->periodUs;
        timer->running = true;
        handler_(data_, id);
        if (!alive) return;     // the handler destroyed the window
        it = timers_.find(id);  // the handler may have cleared the timers
        if (it == timers_.end()) break;
        if (it->second == timer) timer->running = false;
    }
    alive_ = nullptr;
}

gboolean PetTimers::Prepare(GSource* source, gint* timeout) {
    auto* timer = reinterpret_cast<Timer*>(source);
    *timeout = -1;
    if (runByCaller_ || timer->running || timer->dueUs < 0) return FALSE;
    const gint64 left = timer->dueUs - g_source_get_time(source);
    if (left <= 0) return TRUE;
    *timeout = int(std::min<gint64>((left + 999) / 1000, INT_MAX));
    return FALSE;
}

gboolean PetTimers::Check(GSource* source) {
    auto* timer = reinterpret_cast<Timer*>(source);
    return !runByCaller_ && !timer->running && timer->dueUs >= 0 &&
           g_source_get_time(source) >= timer->dueUs;
}

gboolean PetTimers::Dispatch(GSource* source, GSourceFunc, gpointer) {
    auto* timer = reinterpret_cast<Timer*>(source);
    // Periodic from now on, unless the handler stops or restarts it.
    timer->dueUs = g_source_get_time(source) + timer->periodUs;
    timer->owner->handler_(timer->owner->data_, timer->id);
    return G_SOURCE_CONTINUE;
}

}  // namespace nuv::gtk
