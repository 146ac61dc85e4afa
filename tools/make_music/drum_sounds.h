#pragma once

#include <cstdint>

#include "tools/make_music/dsp.h"

// Unpitched sounds: drums, cymbals and the transition effects.
namespace qv::make_music {

struct KickRecipe {
  double startHertz = 150;
  double endHertz = 48;
  double sweepSeconds = 0.035;
  double decaySeconds = 0.22;
  double click = 0.25;
  double drive = 1.6;
};

Signal Kick(double rate, const KickRecipe& recipe, uint64_t seed);
Signal Snare(double rate, double bodyHertz, double noiseSeconds, double room, uint64_t seed);
Signal Clap(double rate, double room, uint64_t seed);
Signal Hat(double rate, double decaySeconds, uint64_t seed);
Signal Crash(double rate, double decaySeconds, uint64_t seed);
Signal Rim(double rate, uint64_t seed);
// Filtered noise whose pitch and level climb over the given time.
Signal Riser(double rate, double seconds, uint64_t seed);
// A deep boom with a noisy front, for downbeats and accents.
Signal Impact(double rate, double decaySeconds, uint64_t seed);

}  // namespace qv::make_music
