#pragma once
#include <cstdint>

namespace nuv {

// The C runtime's 15-bit generator (state * 214013 + 2531011), so that runs with the same seed
// repeat exactly.
class CRandom {
  public:
    void Seed(uint32_t seed) { state_ = seed; }
    // 0..32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }

  private:
    uint32_t state_ = 1;
};

}  // namespace nuv
