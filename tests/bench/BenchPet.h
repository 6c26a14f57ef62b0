#pragma once
// The pet of the benchmarks: frames of 128 x 128 pixels shaped as discs, and a life that walks,
// runs, glides, hops and rests.

#include <cstdint>
#include <memory>

#include "sim/MemoryFileSystem.h"
#include "sim/SimDesktop.h"
#include "support/TinyPet.h"

namespace nuv::bench {

test::TinyPet BenchPet();
// Writes the pet's files, with disc-shaped frames in its region file.
void InstallBenchPet(MemoryFileSystem& files);

// The bench pet started on a simulated desktop over in-memory files (no log capture, nothing
// kept of the run).
class SimPet {
  public:
    explicit SimPet(uint32_t seed = 1);
    ~SimPet();
    SimPet(const SimPet&) = delete;
    SimPet& operator=(const SimPet&) = delete;

    CSimDesktop& desktop() { return *desktop_; }
    bool started() const { return started_; }

  private:
    MemoryFileSystem files_;
    std::unique_ptr<CSimDesktop> desktop_;
    bool started_ = false;
};

}  // namespace nuv::bench
