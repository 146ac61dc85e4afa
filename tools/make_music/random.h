#pragma once

#include <cstdint>

namespace qv::make_music {

// A fixed-seed generator (splitmix64), so every run of the tool writes the same bytes.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform in [-1, 1).
  double Bipolar() { return 2.0 * Unit() - 1.0; }
  // Uniform in [0, count).
  int Below(int count) { return static_cast<int>(Unit() * count); }

 private:
  uint64_t state_;
};

}  // namespace qv::make_music
