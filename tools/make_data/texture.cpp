#include "tools/make_data/texture.h"

#include <cmath>

#include "tools/make_data/geometry.h"

namespace qv::make_data {

uint32_t HashCell(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double HashUnit(int x, int y, uint32_t seed) {
  return static_cast<double>(HashCell(x, y, seed) >> 8) / static_cast<double>(1u << 24);
}

double RowNoise(double x, int row, double period, uint32_t seed) {
  const double u = x / period;
  const double cell = std::floor(u);
  const double t = u - cell;
  const int i = static_cast<int>(cell);
  return Mix(HashUnit(i, row, seed), HashUnit(i + 1, row, seed), t * t * (3 - 2 * t));
}

double BrushedGrain(double x, int row, uint32_t seed) {
  const double stroke = RowNoise(x, row, 37.0, seed) * 0.6 + RowNoise(x, row, 9.0, seed + 1) * 0.25;
  const double grit = HashUnit(static_cast<int>(std::floor(x)), row, seed + 2) * 0.15;
  return (stroke + grit) * 2.0 - 1.0;
}

}  // namespace qv::make_data
