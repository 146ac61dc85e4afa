#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace openmpt {
class module;
}

// Loads module bytes with libopenmpt and renders them, so tests judge a file by what a player
// makes of it rather than by its bytes.
namespace qv::modules_test {

inline constexpr int kRenderRate = 48000;

struct Stereo {
  std::vector<float> left;
  std::vector<float> right;
};

class ModuleProbe {
 public:
  explicit ModuleProbe(const std::vector<uint8_t>& bytes);
  ~ModuleProbe();
  ModuleProbe(const ModuleProbe&) = delete;
  ModuleProbe& operator=(const ModuleProbe&) = delete;

  openmpt::module& module() { return *module_; }

  // Renders from the current position; shorter than asked when the module ends.
  Stereo Render(double seconds);
  Stereo RenderToEnd();
  // Renders `rows` rows of 120 ms from the given order and row, notes already sounding included.
  Stereo RenderRows(int order, int row, int rows);

 private:
  std::unique_ptr<openmpt::module> module_;
};

double Rms(const Stereo& sound);
double Peak(const Stereo& sound);
double Decibels(double level);
// Frequency of the left channel from its rising zero crossings, skipping the first `skipSeconds`.
double ZeroCrossingFrequency(const Stereo& sound, double skipSeconds);
// Frequency of the strongest period between the limits, by autocorrelation of the mono mix.
double PeriodFrequency(const Stereo& sound, double minHertz, double maxHertz);
// The part of `sound` from `fromSeconds`, `seconds` long.
Stereo Slice(const Stereo& sound, double fromSeconds, double seconds);

}  // namespace qv::modules_test
