#pragma once
// What the fakes of the simulated desktop share: the virtual clock, the timers on it and the
// stream the run's events go to.

#include "ports/PetEvents.h"
#include "sim/ManualClock.h"
#include "sim/SimTimers.h"

namespace nuv {

class CSimContext {
  public:
    explicit CSimContext(IPetEvents* sink = nullptr) : sink_(sink) {}

    uint64_t Now() const { return clock.ElapsedMs(); }
    // Stamps `event` with the virtual time and hands it to the sink.
    void Tell(PetEvent event) {
        if (!sink_) return;
        event.time = Now();
        sink_->OnEvent(event);
    }
    bool Listened() const { return sink_ != nullptr; }

    ManualClock clock;
    SimTimers timers;

  private:
    IPetEvents* sink_;
};

}  // namespace nuv
