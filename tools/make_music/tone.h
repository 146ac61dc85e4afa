#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/make_music/dsp.h"
#include "tools/make_music/it_module.h"

// Pitched sounds built from sine partials. A looped tone holds every partial at a whole number of
// cycles per loop, so its loop joins without a click however long the note is held.
namespace qv::make_music {

enum class Wave { kSine, kSaw, kSquare, kTriangle };

struct Oscillator {
  Wave wave = Wave::kSaw;
  double ratio = 1.0;     // of the fundamental: 2 is an octave up
  double detuneHz = 0.0;  // looped tones round this to the loop's frequency grid
  double gain = 1.0;
};

struct ToneRecipe {
  double rate = 44100;
  double hertz = 261.6256;   // the fundamental the tone is synthesized at
  double loopSeconds = 0;    // 0: a one-shot tone lasting headSeconds
  double headSeconds = 0.5;  // before the loop, or the whole one-shot tone
  double riseSeconds = 0.005;
  double decaySeconds = 0;  // one-shot amplitude decay time constant; 0 holds
  // Low-pass corner swept from start to end with the given time constant.
  double brightStart = 8000;
  double brightEnd = 8000;
  double brightSeconds = 0.1;
  int slope = 2;
  double punch = 0;  // extra level at the onset, fading with the brightness sweep
  double drive = 0;  // tanh saturation
  double highestHertz = 16000;
  uint64_t seed = 1;
  std::vector<Oscillator> oscillators;
};

struct Tone {
  Signal signal;
  double hertz = 0;  // the fundamental after rounding to the loop grid
  std::optional<SampleLoop> loop;
};

Tone SynthesizeTone(const ToneRecipe& recipe);

// A sample whose note C-5 (number 60) sounds at middle C, whatever pitch it was made at.
Sample MakePitchedSample(const char* name, const Tone& tone, double rate, uint8_t defaultVolume);
Sample MakeUnpitchedSample(const char* name, const Signal& signal, double rate,
                           uint8_t defaultVolume);

}  // namespace qv::make_music
