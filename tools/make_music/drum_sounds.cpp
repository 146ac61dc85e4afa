#include "tools/make_music/drum_sounds.h"

#include <array>
#include <cmath>

#include "tools/make_music/random.h"

namespace qv::make_music {
namespace {

size_t Frames(double rate, double seconds) {
  return static_cast<size_t>(rate * seconds);
}

Signal Noise(double rate, double seconds, Random& random) {
  Signal noise(Frames(rate, seconds));
  for (float& x : noise)
    x = static_cast<float>(random.Bipolar());
  return noise;
}

void Envelope(Signal& signal, double rate, double riseSeconds, double decaySeconds) {
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double rise = riseSeconds > 0 ? std::min(1.0, t / riseSeconds) : 1.0;
    signal[i] *= static_cast<float>(rise * std::exp(-t / decaySeconds));
  }
}

void Mix(Signal& into, const Signal& add, double gain) {
  if (into.size() < add.size()) into.resize(add.size(), 0.0F);
  for (size_t i = 0; i < add.size(); ++i)
    into[i] += static_cast<float>(gain * add[i]);
}

// Six detuned square waves: the classic metal of drum-machine cymbals.
Signal Metal(double rate, double seconds, double scale) {
  constexpr std::array<double, 6> kHertz = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  Signal metal(Frames(rate, seconds));
  for (size_t i = 0; i < metal.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    double sum = 0;
    for (double hertz : kHertz)
      sum += std::sin(kTwoPi * hertz * scale * t) >= 0 ? 1.0 : -1.0;
    metal[i] = static_cast<float>(sum / 6.0);
  }
  return metal;
}

}  // namespace

Signal Kick(double rate, const KickRecipe& recipe, uint64_t seed) {
  Random random(seed);
  Signal kick(Frames(rate, recipe.decaySeconds * 5.0));
  double phase = 0;
  for (size_t i = 0; i < kick.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double hertz = recipe.endHertz +
                         (recipe.startHertz - recipe.endHertz) * std::exp(-t / recipe.sweepSeconds);
    phase += kTwoPi * hertz / rate;
    kick[i] = static_cast<float>(std::sin(phase));
  }
  Envelope(kick, rate, 0.001, recipe.decaySeconds);
  Signal click = Noise(rate, 0.01, random);
  Filter(click, Biquad::HighPass(rate, 2500, 0.7));
  Envelope(click, rate, 0.0, 0.002);
  Mix(kick, click, recipe.click);
  const double norm = std::tanh(recipe.drive);
  for (float& x : kick)
    x = static_cast<float>(std::tanh(recipe.drive * x) / norm);
  FadeOut(kick, rate, 0.02);
  return kick;
}

Signal Snare(double rate, double bodyHertz, double noiseSeconds, double room, uint64_t seed) {
  Random random(seed);
  Signal body(Frames(rate, 0.4));
  for (size_t i = 0; i < body.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    body[i] =
        static_cast<float>(0.8 * std::sin(kTwoPi * bodyHertz * t) * std::exp(-t / 0.05) +
                           0.4 * std::sin(kTwoPi * bodyHertz * 1.62 * t) * std::exp(-t / 0.03));
  }
  Signal noise = Noise(rate, noiseSeconds * 6.0, random);
  Filter(noise, Biquad::HighPass(rate, 1400, 0.7));
  Filter(noise, Biquad::LowPass(rate, 9000, 0.7));
  Envelope(noise, rate, 0.0005, noiseSeconds);
  Mix(body, noise, 0.9);
  if (room > 0) AddReverb(body, rate, 0.5, room, 0.6);
  FadeOut(body, rate, 0.05);
  return body;
}

Signal Clap(double rate, double room, uint64_t seed) {
  Random random(seed);
  Signal noise = Noise(rate, 0.5, random);
  Filter(noise, Biquad::BandPass(rate, 1300, 0.9));
  // Three quick slaps, then the ringing of the hands.
  for (size_t i = 0; i < noise.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    double level = std::exp(-std::max(0.0, t - 0.024) / 0.08);
    for (double slap : {0.0, 0.011, 0.022}) {
      if (t >= slap && t < slap + 0.011) level = std::max(level, std::exp(-(t - slap) / 0.004));
    }
    noise[i] *= static_cast<float>(level);
  }
  if (room > 0) AddReverb(noise, rate, 0.6, room, 0.5);
  FadeOut(noise, rate, 0.05);
  return noise;
}

Signal Hat(double rate, double decaySeconds, uint64_t seed) {
  Random random(seed);
  const double seconds = decaySeconds * 6.0 + 0.01;
  Signal hat = Metal(rate, seconds, 1.7);
  Mix(hat, Noise(rate, seconds, random), 0.7);
  Filter(hat, Biquad::BandPass(rate, 10000, 0.8));
  Filter(hat, Biquad::HighPass(rate, 6500, 0.7));
  Envelope(hat, rate, 0.0005, decaySeconds);
  FadeOut(hat, rate, 0.01);
  return hat;
}

Signal Crash(double rate, double decaySeconds, uint64_t seed) {
  Random random(seed);
  const double seconds = decaySeconds * 3.0;
  Signal crash = Noise(rate, seconds, random);
  Mix(crash, Metal(rate, seconds, 2.3), 0.5);
  Filter(crash, Biquad::HighPass(rate, 3800, 0.6));
  Filter(crash, Biquad::LowPass(rate, 13000, 0.6));
  Envelope(crash, rate, 0.002, decaySeconds);
  FadeOut(crash, rate, decaySeconds * 0.8);
  return crash;
}

Signal Rim(double rate, uint64_t seed) {
  Random random(seed);
  Signal rim(Frames(rate, 0.12));
  for (size_t i = 0; i < rim.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    rim[i] = static_cast<float>(std::sin(kTwoPi * 1750 * t) * std::exp(-t / 0.012) +
                                0.6 * std::sin(kTwoPi * 820 * t) * std::exp(-t / 0.02));
  }
  Signal noise = Noise(rate, 0.02, random);
  Filter(noise, Biquad::HighPass(rate, 3000, 0.7));
  Envelope(noise, rate, 0.0, 0.003);
  Mix(rim, noise, 0.5);
  AddReverb(rim, rate, 0.4, 0.3, 0.25);
  FadeOut(rim, rate, 0.03);
  return rim;
}

Signal Riser(double rate, double seconds, uint64_t seed) {
  Random random(seed);
  Signal noise = Noise(rate, seconds, random);
  Biquad sweep = Biquad::BandPass(rate, 200, 3.0);
  double phase = 0;
  for (size_t i = 0; i < noise.size(); ++i) {
    const double progress = static_cast<double>(i) / static_cast<double>(noise.size());
    const double hertz = 200.0 * std::pow(40.0, std::pow(progress, 1.3));
    if (i % 16 == 0) sweep.Retune(rate, hertz, 3.0);
    // A tone climbing an octave and a half under the noise gives the rise a pitch.
    phase += kTwoPi * 110.0 * std::pow(2.8, progress) / rate;
    const double level = 0.05 + 0.95 * progress * progress;
    noise[i] = static_cast<float>(level * (sweep.Process(noise[i]) * 3.0 + 0.25 * std::sin(phase)));
  }
  return noise;
}

Signal Impact(double rate, double decaySeconds, uint64_t seed) {
  Random random(seed);
  Signal boom(Frames(rate, decaySeconds * 4.0));
  double phase = 0;
  for (size_t i = 0; i < boom.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    phase += kTwoPi * (34.0 + 70.0 * std::exp(-t / 0.08)) / rate;
    boom[i] = static_cast<float>(std::sin(phase));
  }
  Envelope(boom, rate, 0.002, decaySeconds);
  Signal front = Noise(rate, 0.4, random);
  Filter(front, Biquad::LowPass(rate, 2500, 0.7));
  Envelope(front, rate, 0.001, 0.06);
  Mix(boom, front, 0.7);
  for (float& x : boom)
    x = static_cast<float>(std::tanh(1.8 * x));
  AddReverb(boom, rate, 0.85, 0.6, 1.0);
  FadeOut(boom, rate, 0.4);
  return boom;
}

}  // namespace qv::make_music
