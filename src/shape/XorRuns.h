#pragma once
#include <cstdint>
#include <vector>

#include "shape/Region.h"

namespace nuv {

// Collects one-row runs and makes the region of the pixels covered by an odd number of them:
// the same set as XOR-ing each run into an empty region, at the cost of one sort instead of
// one region operation per run.
class XorRuns {
  public:
    // The pixels [left, right) of row y; an empty run changes nothing.
    void Add(int y, int left, int right);
    bool empty() const { return toggles_.empty(); }
    // The region of the runs collected so far; the collection starts again empty.
    Region Build();

  private:
    // Each run toggles the parity at its two ends; a key orders rows, then columns.
    std::vector<uint64_t> toggles_;
};

}  // namespace nuv
