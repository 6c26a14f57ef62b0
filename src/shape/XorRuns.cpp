#include "shape/XorRuns.h"

#include <algorithm>

namespace nuv {
namespace {

constexpr uint32_t kSignFlip = 0x80000000u;  // makes unsigned order follow signed order

uint64_t Key(int y, int x) {
    return uint64_t(uint32_t(y) ^ kSignFlip) << 32 | (uint32_t(x) ^ kSignFlip);
}
int RowOf(uint64_t key) {
    return int(uint32_t(key >> 32) ^ kSignFlip);
}
int ColumnOf(uint64_t key) {
    return int(uint32_t(key) ^ kSignFlip);
}

}  // namespace

void XorRuns::Add(int y, int left, int right) {
    if (right <= left) return;
    toggles_.push_back(Key(y, left));
    toggles_.push_back(Key(y, right));
}

Region XorRuns::Build() {
    std::sort(toggles_.begin(), toggles_.end());
    RegionWriter writer;
    std::vector<Span> spans;
    std::vector<int> edges;
    std::size_t i = 0;
    while (i < toggles_.size()) {
        int y = RowOf(toggles_[i]);
        edges.clear();
        for (; i < toggles_.size() && RowOf(toggles_[i]) == y; ++i) {
            // Two toggles at one column cancel out.
            if (i + 1 < toggles_.size() && toggles_[i + 1] == toggles_[i])
                ++i;
            else
                edges.push_back(ColumnOf(toggles_[i]));
        }
        spans.clear();
        for (std::size_t e = 0; e + 1 < edges.size(); e += 2)
            spans.push_back({edges[e], edges[e + 1]});
        writer.AddBand(y, y + 1, spans);
    }
    toggles_.clear();
    return writer.Finish();
}

}  // namespace nuv
