#pragma once
#include "pettool/JsonOutput.h"
#include "ports/PetEvents.h"

namespace nuv {
class CPet;
}

namespace nuv::tool {

// Prints each event of a simulated run as one JSON object a line.
class SimJsonReporter : public IPetEvents {
  public:
    void OnEvent(const PetEvent& event) override;
    // The last event of a run: where the window and the pet's state ended.
    static Json EndEvent(uint64_t t, const Rect& window, const CPet& pet);
};

}  // namespace nuv::tool
