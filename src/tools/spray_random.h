#pragma once

#include <cstdint>

namespace pattik {

// The airbrush's random numbers: a linear congruential generator that starts at 1 for
// each panel and is never reseeded, so a burst is the same on every run.
class SprayRandom {
  public:
    // 0..32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 32767u);
    }

  private:
    std::uint32_t state_ = 1;
};

} // namespace pattik
