#include "tools/make_music/track_sounds.h"

#include "tools/make_music/drum_sounds.h"
#include "tools/make_music/tonal_sounds.h"
#include "tools/make_music/tone.h"

namespace qv::make_music {
namespace {

constexpr double kDrumRate = 44100;
constexpr double kCymbalRate = 32000;
constexpr double kLowRate = 22050;

// The sample's own level, 0..64: the mix's balance between instruments.
Sample AtLevel(Sample sample, uint8_t level) {
  sample.globalVolume = level;
  return sample;
}

Sample WithVibrato(Sample sample, uint8_t speed, uint8_t depth, uint8_t sweep) {
  sample.vibratoSpeed = speed;
  sample.vibratoDepth = depth;
  sample.vibratoSweep = sweep;
  return sample;
}

}  // namespace

std::vector<Sample> AmberSamples() {
  KickRecipe kick;
  kick.decaySeconds = 0.28;
  return {
      AtLevel(MakeUnpitchedSample("kick", Kick(kDrumRate, kick, 11), kDrumRate, 64), 36),
      AtLevel(MakeUnpitchedSample("snare", Snare(kDrumRate, 190, 0.1, 0.25, 12), kDrumRate, 64),
              56),
      AtLevel(MakeUnpitchedSample("clap", Clap(kDrumRate, 0.35, 13), kDrumRate, 64), 64),
      AtLevel(MakeUnpitchedSample("closed hat", Hat(kDrumRate, 0.03, 14), kDrumRate, 64), 48),
      AtLevel(MakeUnpitchedSample("open hat", Hat(kDrumRate, 0.16, 15), kDrumRate, 64), 44),
      AtLevel(MakeUnpitchedSample("crash", Crash(kCymbalRate, 0.8, 16), kCymbalRate, 64), 48),
      AtLevel(MakeUnpitchedSample("riser", Riser(kLowRate, 2.8, 17), kLowRate, 64), 56),
      AtLevel(MakeUnpitchedSample("impact", Impact(kLowRate, 0.45, 18), kLowRate, 64), 56),
      AtLevel(MakePitchedSample("saw bass", SawBass(kLowRate, 19), kLowRate, 64), 50),
      AtLevel(MakePitchedSample("warm pad", WarmPad(kLowRate, 20), kLowRate, 64), 32),
      AtLevel(WithVibrato(MakePitchedSample("saw lead", SawLead(kCymbalRate, 21), kCymbalRate, 64),
                          28, 12, 24),
              44),
      AtLevel(MakePitchedSample("pluck", Pluck(kDrumRate, 220, 3500, 22), kDrumRate, 64), 50),
      AtLevel(MakePitchedSample("chord stab", ChordStab(kCymbalRate, 23), kCymbalRate, 64), 48),
  };
}

std::vector<Sample> CobaltSamples() {
  KickRecipe kick;
  kick.startHertz = 170;
  kick.endHertz = 44;
  kick.decaySeconds = 0.26;
  kick.drive = 2.0;
  return {
      AtLevel(MakeUnpitchedSample("kick", Kick(kDrumRate, kick, 31), kDrumRate, 64), 36),
      AtLevel(MakeUnpitchedSample("snare", Snare(kDrumRate, 175, 0.14, 0.45, 32), kDrumRate, 64),
              52),
      AtLevel(MakeUnpitchedSample("clap", Clap(kDrumRate, 0.5, 33), kDrumRate, 64), 64),
      AtLevel(MakeUnpitchedSample("closed hat", Hat(kDrumRate, 0.025, 34), kDrumRate, 64), 56),
      AtLevel(MakeUnpitchedSample("open hat", Hat(kDrumRate, 0.2, 35), kDrumRate, 64), 56),
      AtLevel(MakeUnpitchedSample("crash", Crash(kCymbalRate, 1.0, 36), kCymbalRate, 64), 48),
      AtLevel(MakeUnpitchedSample("riser", Riser(kLowRate, 2.8, 37), kLowRate, 64), 56),
      AtLevel(MakeUnpitchedSample("impact", Impact(kLowRate, 0.6, 38), kLowRate, 64), 56),
      AtLevel(MakePitchedSample("reese bass", ReeseBass(kLowRate, 39), kLowRate, 64), 48),
      AtLevel(MakePitchedSample("sub bass", SubBass(kLowRate, 40), kLowRate, 64), 56),
      AtLevel(MakePitchedSample("glass pad", GlassPad(kLowRate, 41), kLowRate, 64), 36),
      AtLevel(WithVibrato(
                  MakePitchedSample("square lead", SquareLead(kCymbalRate, 42), kCymbalRate, 64),
                  30, 10, 20),
              46),
      AtLevel(MakePitchedSample("bell piano", Bell(kCymbalRate, 43), kCymbalRate, 64), 56),
      AtLevel(MakePitchedSample("power stab", PowerStab(kCymbalRate, 44), kCymbalRate, 64), 44),
      AtLevel(MakeUnpitchedSample("rim", Rim(kDrumRate, 45), kDrumRate, 64), 56),
      AtLevel(MakePitchedSample("pluck", Pluck(kDrumRate, 330, 5000, 46), kDrumRate, 64), 50),
  };
}

}  // namespace qv::make_music
