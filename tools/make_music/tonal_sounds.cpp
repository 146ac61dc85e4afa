#include "tools/make_music/tonal_sounds.h"

#include <cmath>
#include <vector>

#include "tools/make_music/random.h"

namespace qv::make_music {
namespace {

constexpr double kA1 = 55.0;
constexpr double kA3 = 220.0;
constexpr double kA4 = 440.0;

}  // namespace

Tone WarmPad(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA3;
  recipe.loopSeconds = 2.0;
  recipe.headSeconds = 0.8;
  recipe.riseSeconds = 0.5;
  recipe.brightStart = 2600;
  recipe.brightEnd = 1500;
  recipe.brightSeconds = 0.12;
  recipe.seed = seed;
  // Detuned by half-hertz steps: a slow chorus that repeats exactly every two seconds.
  recipe.oscillators = {{Wave::kSaw, 1.0, 0.0, 1.0},  {Wave::kSaw, 1.0, 0.5, 0.8},
                        {Wave::kSaw, 1.0, -0.5, 0.8}, {Wave::kSaw, 1.0, 1.5, 0.5},
                        {Wave::kSaw, 1.0, -1.5, 0.5}, {Wave::kSine, 0.5, 0.0, 0.35}};
  return SynthesizeTone(recipe);
}

Tone GlassPad(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA3;
  recipe.loopSeconds = 2.0;
  recipe.headSeconds = 0.9;
  recipe.riseSeconds = 0.7;
  recipe.brightStart = 4200;
  recipe.brightEnd = 2800;
  recipe.brightSeconds = 0.15;
  recipe.seed = seed;
  recipe.oscillators = {{Wave::kSquare, 1.0, 0.0, 0.6}, {Wave::kSaw, 1.0, 0.5, 0.6},
                        {Wave::kSaw, 1.0, -1.0, 0.6},   {Wave::kTriangle, 2.0, 0.5, 0.8},
                        {Wave::kSine, 3.0, -0.5, 0.15}, {Wave::kSine, 0.5, 0.0, 0.5}};
  return SynthesizeTone(recipe);
}

Tone SawBass(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA1;
  recipe.loopSeconds = 1.0;
  recipe.headSeconds = 0.5;
  recipe.riseSeconds = 0.003;
  recipe.brightStart = 2200;
  recipe.brightEnd = 420;
  recipe.brightSeconds = 0.07;
  recipe.punch = 0.5;
  recipe.highestHertz = 6000;
  recipe.seed = seed;
  recipe.oscillators = {
      {Wave::kSine, 1.0, 0.0, 1.0}, {Wave::kSaw, 1.0, 0.0, 0.7}, {Wave::kSaw, 2.0, 1.0, 0.2}};
  return SynthesizeTone(recipe);
}

Tone ReeseBass(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA1;
  recipe.loopSeconds = 2.0;
  recipe.headSeconds = 0.4;
  recipe.riseSeconds = 0.004;
  recipe.brightStart = 3000;
  recipe.brightEnd = 900;
  recipe.brightSeconds = 0.06;
  recipe.punch = 0.3;
  recipe.drive = 1.4;
  recipe.highestHertz = 7000;
  recipe.seed = seed;
  recipe.oscillators = {
      {Wave::kSine, 1.0, 0.0, 1.2}, {Wave::kSaw, 1.0, 0.5, 0.6}, {Wave::kSaw, 1.0, -0.5, 0.6}};
  return SynthesizeTone(recipe);
}

Tone SubBass(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA1;
  recipe.loopSeconds = 1.0;
  recipe.headSeconds = 0.2;
  recipe.riseSeconds = 0.01;
  recipe.brightStart = 600;
  recipe.brightEnd = 600;
  recipe.seed = seed;
  recipe.oscillators = {{Wave::kSine, 1.0, 0.0, 1.0}, {Wave::kTriangle, 2.0, 0.0, 0.25}};
  return SynthesizeTone(recipe);
}

Tone SawLead(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA4;
  recipe.loopSeconds = 1.0;
  recipe.headSeconds = 0.3;
  recipe.riseSeconds = 0.008;
  recipe.brightStart = 6000;
  recipe.brightEnd = 2600;
  recipe.brightSeconds = 0.05;
  recipe.punch = 0.2;
  recipe.seed = seed;
  recipe.oscillators = {
      {Wave::kSaw, 1.0, 0.0, 1.0}, {Wave::kSaw, 1.0, 2.0, 0.6}, {Wave::kSquare, 0.5, 0.0, 0.35}};
  return SynthesizeTone(recipe);
}

Tone SquareLead(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA4;
  recipe.loopSeconds = 1.0;
  recipe.headSeconds = 0.3;
  recipe.riseSeconds = 0.01;
  recipe.brightStart = 5000;
  recipe.brightEnd = 3000;
  recipe.brightSeconds = 0.06;
  recipe.seed = seed;
  recipe.oscillators = {{Wave::kSquare, 1.0, 0.0, 1.0},
                        {Wave::kSquare, 1.0, 1.0, 0.5},
                        {Wave::kTriangle, 2.0, 0.0, 0.3}};
  return SynthesizeTone(recipe);
}

Tone ChordStab(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = kA3;
  recipe.headSeconds = 1.2;
  recipe.riseSeconds = 0.002;
  recipe.decaySeconds = 0.3;
  recipe.brightStart = 7000;
  recipe.brightEnd = 1400;
  recipe.brightSeconds = 0.12;
  recipe.seed = seed;
  recipe.oscillators = {{Wave::kSaw, 1.0, 0.0, 1.0},
                        {Wave::kSaw, 1.0, 1.3, 0.8},
                        {Wave::kSaw, 1.0, -1.7, 0.8},
                        {Wave::kSquare, 0.5, 0.0, 0.5}};
  Tone tone = SynthesizeTone(recipe);
  AddReverb(tone.signal, rate, 0.7, 0.35, 0.8);
  FadeOut(tone.signal, rate, 0.3);
  return tone;
}

Tone PowerStab(double rate, uint64_t seed) {
  ToneRecipe recipe;
  recipe.rate = rate;
  recipe.hertz = 2.0 * kA1;
  recipe.headSeconds = 1.0;
  recipe.riseSeconds = 0.002;
  recipe.decaySeconds = 0.35;
  recipe.brightStart = 5000;
  recipe.brightEnd = 1800;
  recipe.brightSeconds = 0.1;
  recipe.drive = 2.2;
  recipe.highestHertz = 9000;
  recipe.seed = seed;
  recipe.oscillators = {{Wave::kSaw, 1.0, 0.0, 1.0},
                        {Wave::kSaw, 1.5, 0.7, 0.8},
                        {Wave::kSaw, 2.0, -0.9, 0.6},
                        {Wave::kSine, 0.5, 0.0, 0.8}};
  Tone tone = SynthesizeTone(recipe);
  FadeOut(tone.signal, rate, 0.2);
  return tone;
}

Tone Pluck(double rate, double hertz, double brightness, uint64_t seed) {
  Random random(seed);
  // The averaging filter in the loop delays by half a frame: the pitch is rate / (length + 0.5).
  const auto length = static_cast<size_t>(rate / hertz - 0.5);
  Signal excitation(length);
  for (float& x : excitation)
    x = static_cast<float>(random.Bipolar());
  Filter(excitation, Biquad::LowPass(rate, brightness, 0.7));

  Tone tone;
  tone.hertz = rate / (static_cast<double>(length) + 0.5);
  tone.signal.assign(static_cast<size_t>(rate * 1.8), 0.0F);
  for (size_t i = 0; i < tone.signal.size(); ++i) {
    if (i < length) {
      tone.signal[i] = excitation[i];
    } else {
      const float older = i >= length + 1 ? tone.signal[i - length - 1] : 0.0F;
      tone.signal[i] = 0.4985F * (tone.signal[i - length] + older);
    }
  }
  Filter(tone.signal, Biquad::HighPass(rate, 80, 0.7));
  AddReverb(tone.signal, rate, 0.6, 0.5, 0.7);
  FadeOut(tone.signal, rate, 0.6);
  return tone;
}

Tone Bell(double rate, uint64_t seed) {
  Random random(seed);
  const double phase = kTwoPi * random.Unit();
  Tone tone;
  tone.hertz = kA4;
  tone.signal.assign(static_cast<size_t>(rate * 2.2), 0.0F);
  for (size_t i = 0; i < tone.signal.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double w = kTwoPi * kA4 * t;
    const double body =
        std::sin(w + 1.6 * std::exp(-t / 0.35) * std::sin(w + phase)) * std::exp(-t / 0.9);
    const double top =
        std::sin(4.0 * w + 1.2 * std::exp(-t / 0.1) * std::sin(3.5 * w)) * std::exp(-t / 0.25);
    const double rise = std::min(1.0, t / 0.002);
    tone.signal[i] = static_cast<float>(rise * (body + 0.22 * top));
  }
  AddReverb(tone.signal, rate, 0.7, 0.45, 0.8);
  FadeOut(tone.signal, rate, 0.6);
  return tone;
}

}  // namespace qv::make_music
