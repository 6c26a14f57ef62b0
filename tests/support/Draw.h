#pragma once
// Control over the program's random draws of the form (Rand() + TickCount()) % modulus.

#include <cstdint>

#include "base/Random.h"
#include "ports/StdClock.h"
#include "sim/ManualClock.h"

namespace nuv::test {

// Seeds the generator and sets the tick count so that the next draw gives `value`.
inline void ForceNextDraw(ManualClock& clock, uint32_t value, uint32_t modulus) {
    Random().Seed(1);
    CRandom probe;
    probe.Seed(1);
    uint32_t next = uint32_t(probe.Next()) % modulus;
    clock.SetTicks((value + modulus - next) % modulus);
}

}  // namespace nuv::test
