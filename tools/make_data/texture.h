#pragma once

#include <cstdint>

namespace qv::make_data {

// A fixed-seed hash standing in for randomness: the same arguments always give the same value,
// whatever order the pixels are visited in.
uint32_t HashCell(int x, int y, uint32_t seed);

// Uniform in [0, 1).
double HashUnit(int x, int y, uint32_t seed);

// Smooth noise along x, in [0, 1), varying over about `period` pixels; each row has its own.
double RowNoise(double x, int row, double period, uint32_t seed);

// Brushed-metal grain in [-1, 1]: long horizontal strokes with a fine grit.
double BrushedGrain(double x, int row, uint32_t seed);

}  // namespace qv::make_data
