#include "tools/make_data/noise.h"

#include <cmath>

#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

// Quintic rather than cubic easing: the slope is continuous too, so no creases at cell edges.
double Ease(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

// A rotation by about 37 degrees with a scale of two, written as exact constants (3-4-5).
Vec2 NextOctave(Vec2 p) {
  return {1.6 * p.x - 1.2 * p.y + 31.7, 1.2 * p.x + 1.6 * p.y - 17.3};
}

}  // namespace

double ValueNoise(Vec2 p, uint32_t seed) {
  const double fx = std::floor(p.x);
  const double fy = std::floor(p.y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  const double tx = Ease(p.x - fx);
  const double ty = Ease(p.y - fy);
  const double top = Mix(HashUnit(ix, iy, seed), HashUnit(ix + 1, iy, seed), tx);
  const double bottom = Mix(HashUnit(ix, iy + 1, seed), HashUnit(ix + 1, iy + 1, seed), tx);
  return Mix(top, bottom, ty);
}

double ValueNoise(double x, uint32_t seed) {
  const double fx = std::floor(x);
  const int ix = static_cast<int>(fx);
  return Mix(HashUnit(ix, 0, seed), HashUnit(ix + 1, 0, seed), Ease(x - fx));
}

double Fbm(Vec2 p, int octaves, uint32_t seed) {
  double sum = 0;
  double weight = 0.5;
  double total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * ValueNoise(p, seed + static_cast<uint32_t>(i));
    total += weight;
    weight *= 0.5;
    p = NextOctave(p);
  }
  return sum / total;
}

double Fbm(double x, int octaves, uint32_t seed) {
  double sum = 0;
  double weight = 0.5;
  double total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * ValueNoise(x, seed + static_cast<uint32_t>(i));
    total += weight;
    weight *= 0.5;
    x = x * 2 + 13.1;
  }
  return sum / total;
}

double RidgedFbm(double x, int octaves, uint32_t seed) {
  double sum = 0;
  double weight = 0.5;
  double total = 0;
  for (int i = 0; i < octaves; ++i) {
    const double crest = 1 - std::abs(ValueNoise(x, seed + static_cast<uint32_t>(i)) * 2 - 1);
    sum += weight * crest * crest;
    total += weight;
    weight *= 0.5;
    x = x * 2 + 7.9;
  }
  return sum / total;
}

}  // namespace qv::make_data
