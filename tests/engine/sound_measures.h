#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace qv::test {

// Interleaved stereo frames [from, from + count) of `sound`, clipped to what there is.
inline std::vector<float> Frames(const std::vector<float>& sound, std::size_t from,
                                 std::size_t count) {
  const std::size_t begin = std::min(sound.size(), 2 * from);
  const std::size_t end = std::min(sound.size(), begin + 2 * count);
  return {sound.begin() + static_cast<std::ptrdiff_t>(begin),
          sound.begin() + static_cast<std::ptrdiff_t>(end)};
}

inline double Rms(const std::vector<float>& sound) {
  if (sound.empty()) return 0.0;
  double sum = 0.0;
  for (float sample : sound)
    sum += static_cast<double>(sample) * sample;
  return std::sqrt(sum / static_cast<double>(sound.size()));
}

inline double Peak(const std::vector<float>& sound) {
  double peak = 0.0;
  for (float sample : sound)
    peak = std::max(peak, static_cast<double>(std::fabs(sample)));
  return peak;
}

}  // namespace qv::test
