#include "shape/Region.h"

#include <algorithm>
#include <climits>

namespace nuv {
namespace {

// Walks the bands of a banded rectangle list.
class BandCursor {
  public:
    explicit BandCursor(const std::vector<Rect>& rects) : rects_(rects) { Load(0); }

    bool done() const { return begin_ >= rects_.size(); }
    int top() const { return rects_[begin_].top; }
    int bottom() const { return rects_[begin_].bottom; }
    const Rect* first() const { return rects_.data() + begin_; }
    std::size_t count() const { return end_ - begin_; }
    void Next() { Load(end_); }

  private:
    void Load(std::size_t begin) {
        begin_ = end_ = begin;
        while (end_ < rects_.size() && rects_[end_].top == rects_[begin].top)
            ++end_;
    }

    const std::vector<Rect>& rects_;
    std::size_t begin_ = 0, end_ = 0;
};

// The spans of one band of the result, from the spans of both operands in that band.
template <typename Rule>
void CombineSpans(const Rect* a, std::size_t na, const Rect* b, std::size_t nb, Rule inside,
                  std::vector<Span>& out) {
    out.clear();
    std::size_t i = 0, j = 0;
    bool inA = false, inB = false, inOut = false;
    int start = 0;
    while (i < na || j < nb) {
        int xa = i < na ? (inA ? a[i].right : a[i].left) : INT_MAX;
        int xb = j < nb ? (inB ? b[j].right : b[j].left) : INT_MAX;
        int x = std::min(xa, xb);
        if (xa == x) {
            if (inA) ++i;
            inA = !inA;
        }
        if (xb == x) {
            if (inB) ++j;
            inB = !inB;
        }
        bool now = inside(inA, inB);
        if (now == inOut) continue;
        if (now)
            start = x;
        else
            out.push_back({start, x});
        inOut = now;
    }
}

}  // namespace

Region::Region(const Rect& rect) {
    if (!rect.IsEmpty()) rects_.push_back(rect);
}

Rect Region::Bounds() const {
    if (rects_.empty()) return {};
    Rect bounds = {INT_MAX, rects_.front().top, INT_MIN, rects_.back().bottom};
    for (const Rect& r : rects_) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.right = std::max(bounds.right, r.right);
    }
    return bounds;
}

bool Region::Contains(int x, int y) const {
    auto it = std::partition_point(rects_.begin(), rects_.end(),
                                   [y](const Rect& r) { return r.bottom <= y; });
    for (; it != rects_.end() && it->top <= y; ++it) {
        if (x < it->left) return false;
        if (x < it->right) return true;
    }
    return false;
}

int64_t Region::Area() const {
    int64_t area = 0;
    for (const Rect& r : rects_)
        area += int64_t(r.Width()) * r.Height();
    return area;
}

void Region::Offset(int dx, int dy) {
    for (Rect& r : rects_) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

// Scaling keeps the banded form: bands, spans and the gaps between them all grow alike.
Region Region::Zoomed(int n) const {
    Region zoomed = *this;
    for (Rect& r : zoomed.rects_)
        r = {r.left * n, r.top * n, r.right * n, r.bottom * n};
    return zoomed;
}

Region Region::Combine(const Region& a, const Region& b, Rule inside) {
    RegionWriter writer;
    BandCursor ca(a.rects_), cb(b.rects_);
    std::vector<Span> spans;
    int y = std::min(ca.done() ? INT_MAX : ca.top(), cb.done() ? INT_MAX : cb.top());
    while (!ca.done() || !cb.done()) {
        bool inA = !ca.done() && ca.top() <= y;
        bool inB = !cb.done() && cb.top() <= y;
        int nextA = ca.done() ? INT_MAX : inA ? ca.bottom() : ca.top();
        int nextB = cb.done() ? INT_MAX : inB ? cb.bottom() : cb.top();
        int end = std::min(nextA, nextB);
        if (inA || inB) {
            CombineSpans(ca.first(), inA ? ca.count() : 0, cb.first(), inB ? cb.count() : 0, inside,
                         spans);
            writer.AddBand(y, end, spans);
        }
        y = end;
        if (!ca.done() && ca.bottom() <= y) ca.Next();
        if (!cb.done() && cb.bottom() <= y) cb.Next();
    }
    return writer.Finish();
}

Region& Region::operator^=(const Region& other) {
    return *this = Combine(*this, other, [](bool a, bool b) { return a != b; });
}
Region& Region::operator&=(const Region& other) {
    return *this = Combine(*this, other, [](bool a, bool b) { return a && b; });
}
Region& Region::operator|=(const Region& other) {
    return *this = Combine(*this, other, [](bool a, bool b) { return a || b; });
}
Region& Region::operator-=(const Region& other) {
    return *this = Combine(*this, other, [](bool a, bool b) { return a && !b; });
}

bool RegionWriter::SameAsLastBand(int top, const Span* spans, std::size_t count) const {
    if (rects_.empty() || rects_.back().bottom != top) return false;
    if (rects_.size() - lastBand_ != count) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = rects_[lastBand_ + i];
        if (r.left != spans[i].left || r.right != spans[i].right) return false;
    }
    return true;
}

void RegionWriter::AddBand(int top, int bottom, const Span* spans, std::size_t count) {
    if (count == 0 || bottom <= top) return;
    if (SameAsLastBand(top, spans, count)) {
        for (std::size_t i = lastBand_; i < rects_.size(); ++i)
            rects_[i].bottom = bottom;
        return;
    }
    lastBand_ = rects_.size();
    for (std::size_t i = 0; i < count; ++i) {
        rects_.push_back({spans[i].left, top, spans[i].right, bottom});
    }
}

Region RegionWriter::Finish() {
    Region region;
    region.rects_ = std::move(rects_);
    rects_.clear();
    lastBand_ = 0;
    return region;
}

}  // namespace nuv
