#include "tools/make_music/tone.h"

#include <algorithm>
#include <cmath>

#include "tools/make_music/random.h"

namespace qv::make_music {
namespace {

constexpr double kMiddleC = 261.6255653;
constexpr size_t kGainBlock = 32;  // frames between brightness updates during the head
constexpr double kSamplePeak = 0.97;

struct Partial {
  double hertz;
  double level;
  double phase;
};

// The partials of one oscillator, before the brightness filter.
void AddPartials(const Oscillator& osc, double base, double highest, Random& random,
                 std::vector<Partial>& out) {
  for (int k = 1; k * base < highest; ++k) {
    double level = 0;
    switch (osc.wave) {
      case Wave::kSine:
        level = k == 1 ? 1.0 : 0.0;
        break;
      case Wave::kSaw:
        level = 1.0 / k;
        break;
      case Wave::kSquare:
        level = (k % 2 == 1) ? 1.0 / k : 0.0;
        break;
      case Wave::kTriangle:
        level = (k % 2 == 1) ? 1.0 / (k * k) : 0.0;
        break;
    }
    // Random phases keep the crest of many detuned voices low; the ear does not hear them.
    if (level > 0) out.push_back({k * base, osc.gain * level, kTwoPi * random.Unit()});
  }
}

double Brightness(double hertz, double corner, int slope) {
  return 1.0 / std::sqrt(1.0 + std::pow(hertz / corner, 2.0 * slope));
}

double Rise(double t, double riseSeconds) {
  if (riseSeconds <= 0 || t >= riseSeconds) return 1.0;
  return 0.5 - 0.5 * std::cos(kTwoPi * 0.5 * t / riseSeconds);
}

}  // namespace

Tone SynthesizeTone(const ToneRecipe& recipe) {
  const bool looped = recipe.loopSeconds > 0;
  // On a loop of L seconds, frequencies that are multiples of 1/L complete whole cycles.
  auto onGrid = [&](double hertz) {
    return looped ? std::round(hertz * recipe.loopSeconds) / recipe.loopSeconds : hertz;
  };
  Tone tone;
  tone.hertz = onGrid(recipe.hertz);

  Random random(recipe.seed);
  std::vector<Partial> partials;
  const double highest = std::min(recipe.highestHertz, 0.45 * recipe.rate);
  for (const Oscillator& osc : recipe.oscillators) {
    AddPartials(osc, onGrid(tone.hertz * osc.ratio + osc.detuneHz), highest, random, partials);
  }

  const auto head = static_cast<size_t>(recipe.headSeconds * recipe.rate);
  const auto loop = static_cast<size_t>(std::lround(recipe.loopSeconds * recipe.rate));
  tone.signal.assign(head + loop, 0.0F);
  std::vector<double> gains(partials.size());

  auto setGains = [&](double t) {
    const double fade = std::exp(-t / recipe.brightSeconds);
    const double corner = recipe.brightEnd + (recipe.brightStart - recipe.brightEnd) * fade;
    double level = Rise(t, recipe.riseSeconds) * (1.0 + recipe.punch * fade);
    if (!looped && recipe.decaySeconds > 0) level *= std::exp(-t / recipe.decaySeconds);
    for (size_t p = 0; p < partials.size(); ++p) {
      gains[p] = level * partials[p].level * Brightness(partials[p].hertz, corner, recipe.slope);
    }
  };
  auto render = [&](size_t frame) {
    const double t = static_cast<double>(frame) / recipe.rate;
    double sum = 0;
    for (size_t p = 0; p < partials.size(); ++p) {
      sum += gains[p] * std::sin(kTwoPi * partials[p].hertz * t + partials[p].phase);
    }
    tone.signal[frame] = static_cast<float>(sum);
  };

  for (size_t frame = 0; frame < head; ++frame) {
    if (frame % kGainBlock == 0) setGains(static_cast<double>(frame) / recipe.rate);
    render(frame);
  }
  if (looped) {
    // Held steady from here, so the end of the loop meets its start.
    for (size_t p = 0; p < partials.size(); ++p) {
      gains[p] = partials[p].level * Brightness(partials[p].hertz, recipe.brightEnd, recipe.slope);
    }
    for (size_t frame = head; frame < head + loop; ++frame)
      render(frame);
    tone.loop = SampleLoop{static_cast<uint32_t>(head), static_cast<uint32_t>(head + loop), false};
  }

  Normalize(tone.signal, 1.0);
  if (recipe.drive > 0) {
    const double norm = std::tanh(recipe.drive);
    for (float& x : tone.signal)
      x = static_cast<float>(std::tanh(recipe.drive * x) / norm);
  }
  if (!looped) FadeOut(tone.signal, recipe.rate, 0.01);
  return tone;
}

Sample MakePitchedSample(const char* name, const Tone& tone, double rate, uint8_t defaultVolume) {
  Sample sample = MakeUnpitchedSample(name, tone.signal, rate, defaultVolume);
  sample.c5Speed = static_cast<uint32_t>(std::lround(rate * kMiddleC / tone.hertz));
  sample.loop = tone.loop;
  return sample;
}

Sample MakeUnpitchedSample(const char* name, const Signal& signal, double rate,
                           uint8_t defaultVolume) {
  Signal scaled = signal;
  Normalize(scaled, kSamplePeak);
  Sample sample;
  sample.name = name;
  sample.pcm = ToPcm16(scaled);
  sample.c5Speed = static_cast<uint32_t>(std::lround(rate));
  sample.defaultVolume = defaultVolume;
  return sample;
}

}  // namespace qv::make_music
