#pragma once

#include <cstdint>

#include "tools/make_data/geometry.h"

namespace qv::make_data {

// Smooth value noise in [0, 1) with features about one unit apart.
double ValueNoise(Vec2 p, uint32_t seed);
double ValueNoise(double x, uint32_t seed);

// Fractal sums of value noise in [0, 1): each octave twice as fine and half as strong, and
// turned by a fixed angle so no grid direction shows.
double Fbm(Vec2 p, int octaves, uint32_t seed);
double Fbm(double x, int octaves, uint32_t seed);

// Sharp crests where the noise crosses its middle, like eroded ridges; in [0, 1].
double RidgedFbm(double x, int octaves, uint32_t seed);

}  // namespace qv::make_data
