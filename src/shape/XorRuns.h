#pragma once
#include <cstdint>
#include <vector>

#include "shape/Region.h"

namespace nuv {

// Collects one-row runs and makes the region of the pixels covered by an odd number of them:
// the same set as XOR-ing each run into a region, at the cost of one sort instead of one
// region operation per run.
class XorRuns {
  public:
    // The pixels [left, right) of row y; an empty run changes nothing.
    void Add(int y, int left, int right);
    bool empty() const { return toggles_.empty(); }
    // The runs collected so far XOR-ed into the rectangle `base` (or into nothing); the
    // collection starts again empty.
    Region Build(const Rect& base = Rect());

  private:
    void RowEdges(std::size_t& i, bool inBase, const Rect& base);

    // Each run toggles the parity at its two ends; a key orders rows, then columns.
    std::vector<uint64_t> toggles_;
    std::vector<int> edges_;
    std::vector<Span> spans_;
};

}  // namespace nuv
