#pragma once
// Window timers on a virtual clock: each fires at its due time and again a period later.

#include <cstdint>
#include <functional>
#include <vector>

namespace nuv {

class SimTimers {
  public:
    using Callback = std::function<void()>;

    // Starts or restarts timer `id` of `owner`; it first fires `period` ms after `now`.
    void Start(const void* owner, int id, uint32_t period, uint64_t now, Callback callback);
    void Stop(const void* owner, int id);
    void StopAll(const void* owner);
    bool IsRunning(const void* owner, int id) const;
    // The period of a running timer; 0 when it does not run.
    uint32_t Period(const void* owner, int id) const;
    // The earliest due time, or UINT64_MAX when no timer runs.
    uint64_t NextDue() const;
    // Fires the earliest timer due at or before `now` (the one started first on a tie);
    // false when none is due.
    bool FireDue(uint64_t now);

  private:
    struct Timer {
        const void* owner;
        int id;
        uint32_t period;
        uint64_t due;
        uint64_t order;
        Callback callback;
    };
    std::vector<Timer> timers_;
    uint64_t nextOrder_ = 0;
};

}  // namespace nuv
