// Loading a pet's shapes: the file's runs XOR-ed row by row against one region operation per
// run, on a pet of 200 round frames of 128 x 128 pixels.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "shape/RegionData.h"
#include "sim/ManualClock.h"
#include "sim/MemoryFileSystem.h"
#include "support/PictureFiles.h"

namespace nuv {
namespace {

constexpr int kFrames = 200, kPerRow = 10, kSide = 128;
const char kPath[] = ".\\PETS\\BENCH.RGN";

// Each frame is a disc whose size and place change from frame to frame; the runs list the
// transparent pixels around it, in sheet coordinates.
std::vector<test::RgnRun> RoundFrameRuns(int frame) {
    const double radius = 40 + frame % 20, centreX = 64 + frame % 7 - 3, centreY = 60 + frame % 5;
    const int left = frame % kPerRow * kSide, top = frame / kPerRow * kSide;
    std::vector<test::RgnRun> runs;
    for (int y = 0; y < kSide; ++y) {
        double dy = y + 0.5 - centreY;
        auto row = uint16_t(top + y);
        if (std::fabs(dy) >= radius) {
            runs.push_back({uint16_t(left), row, uint16_t(kSide)});
            continue;
        }
        double half = std::sqrt(radius * radius - dy * dy);
        int from = int(std::lround(centreX - half)), to = int(std::lround(centreX + half));
        runs.push_back({uint16_t(left), row, uint16_t(from)});
        runs.push_back({uint16_t(left + to), row, uint16_t(kSide - to)});
    }
    return runs;
}

MemoryFileSystem& PetFiles() {
    static MemoryFileSystem* files = [] {
        auto* f = new MemoryFileSystem;
        std::vector<std::vector<test::RgnRun>> frames;
        for (int i = 0; i < kFrames; ++i)
            frames.push_back(RoundFrameRuns(i));
        f->Put(kPath, test::MakeRgn(kFrames, kPerRow, kSide, kSide, frames));
        return f;
    }();
    return *files;
}

// The plain way: one XOR of a one-row rectangle per run.
std::vector<Region> LoadRunByRun(const std::string& bytes) {
    auto u16 = [&bytes](std::size_t at) {
        return int(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
    };
    const int count = u16(0), perRow = u16(2), width = u16(4), height = u16(6);
    std::vector<Region> regions;
    std::size_t at = 8;
    for (int i = 0; i < count; ++i) {
        const int runs = u16(at);
        at += 2;
        const Rect frame{0, 0, width, height};
        Region region(frame);
        for (int r = 0; r < runs; ++r, at += 6) {
            int x = (u16(at) - i % perRow * width) & 0xFFFF, y = u16(at + 2) % height;
            region ^= Rect{x, y, x + u16(at + 4), y + 1};
        }
        regions.push_back(region & Region(frame));
    }
    return regions;
}

void BM_SetRegionData(benchmark::State& state) {
    PetFiles();
    ManualClock clock;
    CRegionData data;
    for (auto _ : state) {
        if (!data.SetRegionData(PetFiles(), kPath, clock))
            state.SkipWithError("the pet did not load");
        benchmark::DoNotOptimize(data.count());
    }
    state.counters["runs"] = double(PetFiles().Get(kPath).size() - 8 - 2 * kFrames) / 6;
}
BENCHMARK(BM_SetRegionData)->Unit(benchmark::kMillisecond);

void BM_SetRegionDataRunByRun(benchmark::State& state) {
    const std::string bytes = PetFiles().Get(kPath);
    // Both ways must give the same shapes.
    ManualClock clock;
    CRegionData data;
    data.SetRegionData(PetFiles(), kPath, clock);
    std::vector<Region> plain = LoadRunByRun(bytes);
    for (int i = 0; i < kFrames; ++i) {
        if (*data.GetRegionHandle(i) != plain[i]) state.SkipWithError("the shapes differ");
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadRunByRun(bytes));
}
BENCHMARK(BM_SetRegionDataRunByRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nuv
