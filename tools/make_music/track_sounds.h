#pragma once

#include <vector>

#include "tools/make_music/it_module.h"

// The two modules' sample sets, numbered as their patterns use them.
namespace qv::make_music {

namespace amber {
enum SampleNumber : int {
  kKick = 1,
  kSnare,
  kClap,
  kHat,
  kOpenHat,
  kCrash,
  kRiser,
  kImpact,
  kBass,
  kPad,
  kLead,
  kPluck,
  kStab,
};
}  // namespace amber

namespace cobalt {
enum SampleNumber : int {
  kKick = 1,
  kSnare,
  kClap,
  kHat,
  kOpenHat,
  kCrash,
  kRiser,
  kImpact,
  kBass,
  kSub,
  kPad,
  kLead,
  kBell,
  kPower,
  kRim,
  kPluck,
};
}  // namespace cobalt

std::vector<Sample> AmberSamples();
std::vector<Sample> CobaltSamples();

}  // namespace qv::make_music
