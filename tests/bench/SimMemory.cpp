// The live heap of a simulated day of pet life, hour by hour. Every allocation of the process
// is counted, so the figures hold the decoded picture sheet, the regions, the script, the files
// kept in memory and everything the engine makes on the way.
//
// Usage: sim_memory [HOURS]   (default 24)

#include <cstdio>
#include <cstdlib>
#include <new>

#include "BenchPet.h"
#include "app/PetMainDlg.h"

namespace {

std::size_t gLive = 0, gPeak = 0, gCount = 0;
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) return nullptr;
    *reinterpret_cast<std::size_t*>(block) = size;
    gLive += size;
    ++gCount;
    if (gLive > gPeak) gPeak = gLive;
    return block + kHeader;
}

void Release(void* p) {
    if (!p) return;
    unsigned char* block = static_cast<unsigned char*>(p) - kHeader;
    gLive -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Release(p);
}

int main(int argc, char** argv) {
    int hours = argc > 1 ? std::atoi(argv[1]) : 24;
    constexpr double kMiB = 1024.0 * 1024.0;
    std::size_t before = gLive;
    nuv::bench::SimPet pet;
    if (!pet.started()) {
        std::fprintf(stderr, "sim_memory: the bench pet did not start\n");
        return 1;
    }
    const nuv::Image& sheet = pet.desktop().dialog().pet().Sheet();
    std::size_t sheetBytes = std::size_t(sheet.width()) * sheet.height() * sizeof(nuv::Pixel);
    std::printf("after start: live %.2f MiB (decoded sheet %.2f MiB)\n", (gLive - before) / kMiB,
                sheetBytes / kMiB);
    std::printf("hour  live MiB  peak MiB  peak without sheet MiB  allocations\n");
    for (int hour = 1; hour <= hours; ++hour) {
        gPeak = gLive;
        pet.desktop().RunUntil(uint64_t(hour) * 3600 * 1000);
        std::printf("%4d  %8.2f  %8.2f  %22.2f  %11zu\n", hour, (gLive - before) / kMiB,
                    (gPeak - before) / kMiB, (gPeak - before - sheetBytes) / kMiB, gCount);
    }
    return 0;
}
