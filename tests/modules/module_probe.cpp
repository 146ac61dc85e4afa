#include "tests/modules/module_probe.h"

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>

namespace qv::modules_test {
namespace {

constexpr double kRowSeconds = 0.12;

std::map<std::string, std::string> Controls() {
  // Seeking keeps the notes that would be sounding, as the engine's rewinds do not matter here.
  return {{"seek.sync_samples", "1"}, {"play.at_end", "stop"}};
}

}  // namespace

ModuleProbe::ModuleProbe(const std::vector<uint8_t>& bytes) {
  std::ostringstream quiet;  // the loader's log says nothing about whether a file is sound
  module_ = std::make_unique<openmpt::module>(bytes, quiet, Controls());
}

ModuleProbe::~ModuleProbe() = default;

Stereo ModuleProbe::Render(double seconds) {
  const auto frames = static_cast<size_t>(seconds * kRenderRate);
  Stereo out;
  out.left.resize(frames);
  out.right.resize(frames);
  size_t done = 0;
  while (done < frames) {
    const size_t got = module_->read(kRenderRate, std::min<size_t>(frames - done, 4096),
                                     out.left.data() + done, out.right.data() + done);
    if (got == 0) break;
    done += got;
  }
  out.left.resize(done);
  out.right.resize(done);
  return out;
}

Stereo ModuleProbe::RenderToEnd() {
  return Render(module_->get_duration_seconds() + 1.0);
}

Stereo ModuleProbe::RenderRows(int order, int row, int rows) {
  module_->set_position_order_row(order, row);
  return Render(rows * kRowSeconds);
}

double Rms(const Stereo& sound) {
  double sum = 0;
  for (size_t i = 0; i < sound.left.size(); ++i) {
    sum += double{sound.left[i]} * sound.left[i] + double{sound.right[i]} * sound.right[i];
  }
  return sound.left.empty() ? 0.0 : std::sqrt(sum / (2.0 * static_cast<double>(sound.left.size())));
}

double Peak(const Stereo& sound) {
  double peak = 0;
  for (size_t i = 0; i < sound.left.size(); ++i) {
    peak = std::max({peak, std::fabs(double{sound.left[i]}), std::fabs(double{sound.right[i]})});
  }
  return peak;
}

double Decibels(double level) {
  return 20.0 * std::log10(std::max(level, 1e-12));
}

double ZeroCrossingFrequency(const Stereo& sound, double skipSeconds) {
  const auto first = static_cast<size_t>(skipSeconds * kRenderRate);
  double firstCrossing = -1;
  double lastCrossing = -1;
  int crossings = 0;
  for (size_t i = std::max<size_t>(first, 1); i < sound.left.size(); ++i) {
    const float a = sound.left[i - 1];
    const float b = sound.left[i];
    if (a < 0 && b >= 0) {
      const double at = static_cast<double>(i - 1) + a / (a - b);  // interpolated crossing
      if (firstCrossing < 0) firstCrossing = at;
      lastCrossing = at;
      ++crossings;
    }
  }
  if (crossings < 2) return 0;
  return (crossings - 1) * kRenderRate / (lastCrossing - firstCrossing);
}

double PeriodFrequency(const Stereo& sound, double minHertz, double maxHertz) {
  std::vector<double> mono(sound.left.size());
  for (size_t i = 0; i < mono.size(); ++i)
    mono[i] = double{sound.left[i]} + sound.right[i];
  const auto shortest = static_cast<size_t>(kRenderRate / maxHertz);
  const auto longest = static_cast<size_t>(kRenderRate / minHertz);
  if (mono.size() < 2 * longest) return 0;
  const size_t span = mono.size() - longest - 1;
  std::vector<double> score(longest + 2, 0.0);
  for (size_t lag = shortest; lag <= longest + 1; ++lag) {
    double cross = 0, a = 0, b = 0;
    for (size_t i = 0; i < span; ++i) {
      cross += mono[i] * mono[i + lag];
      a += mono[i] * mono[i];
      b += mono[i + lag] * mono[i + lag];
    }
    score[lag] = cross / std::sqrt(a * b + 1e-30);
  }
  size_t best = shortest;
  for (size_t lag = shortest + 1; lag <= longest; ++lag) {
    if (score[lag] > score[best]) best = lag;
  }
  // Sub-frame precision from the parabola through the peak and its neighbours.
  const double left = score[best - 1], mid = score[best], right = score[best + 1];
  const double curve = left - 2 * mid + right;
  if (mid <= 0 || curve >= 0) return 0;  // silence or no peak: no period
  const double shift = 0.5 * (left - right) / curve;
  return kRenderRate / (static_cast<double>(best) + shift);
}

Stereo Slice(const Stereo& sound, double fromSeconds, double seconds) {
  const size_t from = std::min(sound.left.size(), static_cast<size_t>(fromSeconds * kRenderRate));
  const size_t to = std::min(sound.left.size(), from + static_cast<size_t>(seconds * kRenderRate));
  Stereo out;
  out.left.assign(sound.left.begin() + static_cast<std::ptrdiff_t>(from),
                  sound.left.begin() + static_cast<std::ptrdiff_t>(to));
  out.right.assign(sound.right.begin() + static_cast<std::ptrdiff_t>(from),
                   sound.right.begin() + static_cast<std::ptrdiff_t>(to));
  return out;
}

}  // namespace qv::modules_test
