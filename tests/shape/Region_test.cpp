#include "shape/Region.h"

#include <gtest/gtest.h>

#include <bitset>

#include "base/Random.h"
#include "shape/XorRuns.h"

namespace nuv {
namespace {

// Pixel sets on a small grid, the plain model the regions are checked against.
constexpr int kLow = -4, kHigh = 20, kSide = kHigh - kLow;
using Pixels = std::bitset<kSide * kSide>;

std::size_t Bit(int x, int y) {
    return std::size_t((y - kLow) * kSide + (x - kLow));
}

Pixels PixelsOf(const Rect& r) {
    Pixels p;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            p.set(Bit(x, y));
    }
    return p;
}

Pixels PixelsOf(const Region& region) {
    Pixels p;
    for (int y = kLow; y < kHigh; ++y) {
        for (int x = kLow; x < kHigh; ++x)
            p[Bit(x, y)] = region.Contains(x, y);
    }
    return p;
}

// The rectangles are banded, sorted, apart within a band and not mergeable between bands.
void ExpectCanonical(const Region& region) {
    const std::vector<Rect>& rects = region.Rects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        ASSERT_FALSE(rects[i].IsEmpty());
        if (i == 0) continue;
        const Rect &a = rects[i - 1], &b = rects[i];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_LT(a.right, b.left);
        } else {
            EXPECT_LE(a.bottom, b.top);
        }
    }
}

class RandomRects {
  public:
    explicit RandomRects(uint32_t seed) { random_.Seed(seed); }
    Rect Next() {
        int l = kLow + random_.Next() % (kSide - 8), t = kLow + random_.Next() % (kSide - 8);
        return {l, t, l + random_.Next() % 9, t + random_.Next() % 9};
    }
    int Below(int n) { return random_.Next() % n; }

  private:
    CRandom random_;
};

TEST(Region, RectangleBasics) {
    EXPECT_TRUE(Region(Rect{3, 3, 3, 9}).IsEmpty());
    Region r(Rect{2, 1, 5, 4});
    EXPECT_EQ(r.Area(), 9);
    EXPECT_EQ(r.Bounds(), (Rect{2, 1, 5, 4}));
    EXPECT_TRUE(r.Contains(2, 1));
    EXPECT_TRUE(r.Contains(4, 3));
    EXPECT_FALSE(r.Contains(5, 3));
    EXPECT_FALSE(r.Contains(4, 4));
    EXPECT_EQ(Region().Bounds(), Rect{});
    r.Offset(-2, 10);
    EXPECT_EQ(r.Rects(), std::vector<Rect>{(Rect{0, 11, 3, 14})});
}

TEST(Region, UnionOfTwoRectanglesMakesThreeBands) {
    Region r(Rect{0, 0, 4, 4});
    r |= Rect{2, 2, 6, 6};
    EXPECT_EQ(r.Rects(), (std::vector<Rect>{{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}}));
    EXPECT_EQ(r.Area(), 28);
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 6, 6}));
    // Touching rectangles merge side by side and one above the other.
    Region strip = Region(Rect{0, 0, 2, 1}) | Region(Rect{2, 0, 5, 1}) | Region(Rect{0, 1, 5, 3});
    EXPECT_EQ(strip.Rects(), std::vector<Rect>{(Rect{0, 0, 5, 3})});
}

TEST(Region, OperationsMatchPixelSets) {
    RandomRects rects(11);
    for (int round = 0; round < 300; ++round) {
        Region a, b;
        Pixels pa, pb;
        for (int n = rects.Below(6); n >= 0; --n) {
            Rect r = rects.Next();
            a ^= r;
            pa ^= PixelsOf(r);
            r = rects.Next();
            b |= r;
            pb |= PixelsOf(r);
        }
        ASSERT_EQ(PixelsOf(a), pa);
        ASSERT_EQ(PixelsOf(b), pb);
        const std::pair<Region, Pixels> results[] = {
            {a ^ b, pa ^ pb}, {a & b, pa & pb}, {a | b, pa | pb}, {a - b, pa & ~pb}};
        for (const auto& [region, pixels] : results) {
            ExpectCanonical(region);
            EXPECT_EQ(PixelsOf(region), pixels);
            EXPECT_EQ(region.Area(), int64_t(pixels.count()));
        }
        // One set, one form.
        EXPECT_EQ((a - b) | (a & b), a);
        EXPECT_EQ(a ^ b ^ b, a);
        EXPECT_TRUE((a - a).IsEmpty());
    }
}

TEST(XorRuns, SameAsOneXorPerRun) {
    RandomRects rects(5);
    for (int round = 0; round < 400; ++round) {
        XorRuns runs;
        // Half of the rounds XOR the runs into a rectangle.
        Rect base = round % 2 ? rects.Next() : Rect();
        Region expected(base);
        for (int n = rects.Below(40); n > 0; --n) {
            Rect r = rects.Next();
            runs.Add(r.top, r.left, r.right);
            expected ^= Rect{r.left, r.top, r.right, r.top + 1};
        }
        Region built = runs.Build(base);
        ExpectCanonical(built);
        EXPECT_EQ(built, expected);
        EXPECT_TRUE(runs.empty());
    }
}

TEST(XorRuns, OverlapsCancelInPairs) {
    XorRuns runs;
    runs.Add(0, 0, 10);
    runs.Add(0, 2, 4);   // a hole
    runs.Add(0, 2, 4);   // filled again
    runs.Add(0, 6, 12);  // a hole and two pixels beyond
    runs.Add(1, 0, 10);
    runs.Add(1, 10, 12);  // touching runs join
    runs.Add(2, 5, 5);    // empty
    EXPECT_EQ(runs.Build().Rects(),
              (std::vector<Rect>{{0, 0, 6, 1}, {10, 0, 12, 1}, {0, 1, 12, 2}}));
}

}  // namespace
}  // namespace nuv
