#pragma once

#include <cstdint>

#include "tools/make_data/canvas.h"
#include "tools/make_data/geometry.h"

namespace qv::make_data {

// One layer of scattered stars: at most one star per square cell, placed and coloured by a
// fixed-seed hash, so a layer is the same wherever it is sampled from.
struct StarLayer {
  double cell = 0;        // pixels
  double chance = 0;      // that a cell holds a star
  double radius = 0;      // of the core, pixels
  double brightness = 0;  // of the brightest core
  double spikes = 0;      // length of the cross-shaped flare; 0 for none
  uint32_t seed = 0;
};

// The light the layer adds at a pixel centre.
Rgb StarLight(const StarLayer& layer, Vec2 p);

}  // namespace qv::make_data
