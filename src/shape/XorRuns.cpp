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

// Adds a parity change at x to sorted edges: two changes at one column cancel out.
void Toggle(std::vector<int>& edges, int x) {
    auto it = std::lower_bound(edges.begin(), edges.end(), x);
    if (it != edges.end() && *it == x)
        edges.erase(it);
    else
        edges.insert(it, x);
}

}  // namespace

void XorRuns::Add(int y, int left, int right) {
    if (right <= left) return;
    toggles_.push_back(Key(y, left));
    toggles_.push_back(Key(y, right));
}

// The edges of the row at toggles_[i], advancing i past the row.
void XorRuns::RowEdges(std::size_t& i, bool inBase, const Rect& base) {
    const int y = RowOf(toggles_[i]);
    edges_.clear();
    for (; i < toggles_.size() && RowOf(toggles_[i]) == y; ++i) {
        if (i + 1 < toggles_.size() && toggles_[i + 1] == toggles_[i])
            ++i;
        else
            edges_.push_back(ColumnOf(toggles_[i]));
    }
    if (inBase) {
        Toggle(edges_, base.left);
        Toggle(edges_, base.right);
    }
}

Region XorRuns::Build(const Rect& base) {
    // Files list runs row by row, left to right: most often there is nothing to sort.
    if (!std::is_sorted(toggles_.begin(), toggles_.end())) {
        std::sort(toggles_.begin(), toggles_.end());
    }
    const bool hasBase = !base.IsEmpty();
    const Span baseSpan{base.left, base.right};
    RegionWriter writer;
    int next = base.top;  // the first base row not written yet
    std::size_t i = 0;
    while (i < toggles_.size()) {
        const int y = RowOf(toggles_[i]);
        if (hasBase && next < std::min(y, base.bottom)) {
            writer.AddBand(next, std::min(y, base.bottom), &baseSpan, 1);
        }
        const bool inBase = hasBase && y >= base.top && y < base.bottom;
        RowEdges(i, inBase, base);
        spans_.clear();
        for (std::size_t e = 0; e + 1 < edges_.size(); e += 2) {
            spans_.push_back({edges_[e], edges_[e + 1]});
        }
        writer.AddBand(y, y + 1, spans_);
        next = std::max(next, y + 1);
    }
    if (hasBase && next < base.bottom) writer.AddBand(next, base.bottom, &baseSpan, 1);
    toggles_.clear();
    return writer.Finish();
}

}  // namespace nuv
