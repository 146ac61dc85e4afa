#pragma once

#include <cstdint>

#include "tools/make_music/tone.h"

// The pitched instruments. Each is made near the pitch it mostly plays at, so resampling stays
// gentle; the sample's C5 speed maps note numbers to pitch (60 = middle C).
namespace qv::make_music {

Tone WarmPad(double rate, uint64_t seed);
Tone GlassPad(double rate, uint64_t seed);
Tone SawBass(double rate, uint64_t seed);
Tone ReeseBass(double rate, uint64_t seed);
Tone SubBass(double rate, uint64_t seed);
Tone SawLead(double rate, uint64_t seed);
Tone SquareLead(double rate, uint64_t seed);
Tone ChordStab(double rate, uint64_t seed);
Tone PowerStab(double rate, uint64_t seed);
// A plucked string (delay-line synthesis) with a little room.
Tone Pluck(double rate, double hertz, double brightness, uint64_t seed);
// A two-operator FM electric piano with a bell-like top.
Tone Bell(double rate, uint64_t seed);

}  // namespace qv::make_music
