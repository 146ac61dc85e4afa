#include "tools/make_data/planet_rings.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 2401;

struct RingBand {
  double inner;
  double outer;
  double opacity;
};
constexpr std::array kRingBands = {
    RingBand{1.24, 1.50, 0.22},   // the faint inner ring
    RingBand{1.50, 1.90, 0.88},   // the broad bright ring
    RingBand{1.96, 2.16, 0.66},   // the outer ring, beyond the dark division
    RingBand{2.255, 2.27, 0.55},  // a thread of a ring on its own
};
constexpr double kGapRadius = 2.11;  // a thin gap within the outer ring

constexpr ColorStop kRingColors[] = {
    {1.24, Hex(0x8A8478)}, {1.50, Hex(0xCDB899)}, {1.70, Hex(0xF0E0C0)},
    {1.90, Hex(0xD9C4A0)}, {1.96, Hex(0xB8A588)}, {2.16, Hex(0xA8967C)},
};

Rgb RingColor(double r) {
  const double grain = ValueNoise(r * 90, kSeed + 3) - 0.5;
  return Ramp(kRingColors, r) * (1 + grain * 0.25);
}

// How much the planet shadows a point: 1 where the sun is fully hidden behind it.
double PlanetShadow(Vec3 point) {
  const Vec3 sun = TowardSun();
  const double b = Dot(point, sun);
  if (b >= 0) return 0;
  const double missBy = std::sqrt(std::max(Dot(point, point) - b * b, 0.0));
  return 1 - SmoothStep(0.985, 1.015, missBy);
}

}  // namespace

double RingOpacity(double r) {
  double opacity = 0;
  for (const RingBand& band : kRingBands) {
    const double edge = std::min(r - band.inner, band.outer - r);
    opacity = std::max(opacity, band.opacity * Clamp01(edge * 180 + 0.5));
  }
  opacity *= 1 - 0.9 * Spot(r - kGapRadius, 0.006);
  // Thousands of ringlets.
  const double ringlets =
      ValueNoise(r * 160, kSeed + 1) * 0.6 + ValueNoise(r * 600, kSeed + 2) * 0.4;
  return opacity * (0.6 + 0.55 * ringlets);
}

RingPoint RingThrough(Vec2 upright) {
  // The plane's point behind this one on the screen, and how far it stands toward the viewer.
  const double depth = -upright.y * kEquatorNormal.y / kEquatorNormal.z;
  const Vec3 point{upright.x, upright.y, depth};
  const double r = std::sqrt(Dot(point, point));
  const double opacity = RingOpacity(r);
  if (opacity <= 0) return {};
  const double shade = 1 - 0.88 * PlanetShadow(point);
  return {RingColor(r) * shade, opacity, depth >= 0};
}

}  // namespace qv::make_data
