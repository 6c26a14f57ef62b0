#include "BenchPet.h"

#include "support/PictureFiles.h"

namespace nuv::bench {
namespace {

constexpr int kSize = 128, kPerRow = 10, kFrames = 40;

// The transparent runs of a disc-shaped frame: left and right of the disc on every row.
std::vector<test::RgnRun> DiscRuns(int frame) {
    std::vector<test::RgnRun> runs;
    int x0 = frame % kPerRow * kSize, y0 = frame / kPerRow * kSize;
    int radius = kSize / 2 - 2 - frame % 5;
    for (int y = 0; y < kSize; ++y) {
        int dy = y - kSize / 2, half = 0;
        while ((half + 1) * (half + 1) + dy * dy <= radius * radius)
            ++half;
        int inside = dy * dy <= radius * radius ? 2 * half : 0;
        int side = (kSize - inside) / 2;
        if (inside == 0) {
            runs.push_back({uint16_t(x0), uint16_t(y0 + y), uint16_t(kSize)});
            continue;
        }
        runs.push_back({uint16_t(x0), uint16_t(y0 + y), uint16_t(side)});
        runs.push_back(
            {uint16_t(x0 + side + inside), uint16_t(y0 + y), uint16_t(kSize - side - inside)});
    }
    return runs;
}

}  // namespace

test::TinyPet BenchPet() {
    test::TinyPet pet;
    pet.frameWidth = pet.frameHeight = kSize;
    pet.framesPerRow = kPerRow;
    pet.frameCount = kFrames;
    auto set = [&pet](int id, std::vector<int> weights, int delta, int duration) {
        test::TinyAction& a = pet.Action(id);
        a.weights = std::move(weights);
        a.deltaS0 = a.deltaS1 = a.deltaS2 = a.deltaS3 = delta;
        a.deltaPoint = 1;
        a.duration = duration;
    };
    set(100, {3000, 3000, 3000}, -20, 5);
    for (int id : {140, 141})
        set(id, {1500, 1500, 1500}, -40, 8);
    for (int id : {142, 143})
        set(id, {1000, 1000, 1000}, -60, 6);
    set(144, {700, 700, 700}, -60, 1);
    set(150, {800, 800, 800}, -30, 1);
    pet.Action(150).animations = {78};
    set(151, {800, 800, 800}, -30, 1);
    pet.Action(151).animations = {66};
    set(146, {600, 600, 600}, -10, 5);
    for (int id : {200, 300})
        set(id, {10000, 10000, 10000}, 400, 5);
    for (int id : {410, 420, 430, 440})
        set(id, {10000, 10000, 10000}, 300, 5);
    return pet;
}

void InstallBenchPet(MemoryFileSystem& files) {
    test::TinyPet pet = BenchPet();
    pet.Install(files);
    std::vector<std::vector<test::RgnRun>> frames;
    for (int i = 0; i < kFrames; ++i)
        frames.push_back(DiscRuns(i));
    files.Put(".\\PETS\\" + pet.name + ".RGN",
              test::MakeRgn(kFrames, kPerRow, kSize, kSize, frames));
}

SimPet::SimPet(uint32_t seed) {
    InstallBenchPet(files_);
    SimOptions options;
    options.seed = seed;
    options.files = &files_;
    desktop_ = std::make_unique<CSimDesktop>(options, nullptr);
    started_ = desktop_->Start();
}

SimPet::~SimPet() {
    desktop_.reset();
}

}  // namespace nuv::bench
