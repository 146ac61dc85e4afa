#include <algorithm>
#include <array>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/soft_light.h"
#include "tools/make_data/star_field.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 2101;

// Faint dust of countless stars up to a few bright ones with flares.
constexpr std::array kStarLayers = {
    StarLayer{4.5, 0.30, 0.42, 0.50, 0, kSeed + 10},
    StarLayer{13, 0.55, 0.60, 0.95, 0, kSeed + 20},
    StarLayer{47, 0.55, 0.85, 1.50, 0, kSeed + 30},
    StarLayer{140, 0.55, 1.15, 2.20, 26, kSeed + 40},
};

// The galaxy's glowing band runs from the lower left to the upper right.
double BandWeight(Vec2 p) {
  const double across = (p.x * 0.45 + p.y - 620) / 1.1;
  const double sway = (Fbm(p.x / 500, 3, kSeed + 1) - 0.5) * 260;
  return Spot(across + sway, 190);
}

struct Nebula {
  double glow;  // 0..1, how much gas lights up here
  double dust;  // 0..1, how much a dark lane dims what lies behind
  double hue;   // 0..1, which of the gas's colours
};

Nebula NebulaAt(Vec2 p) {
  const Vec2 q = p * (1 / 260.0);
  const Vec2 warp{Fbm(q, 4, kSeed + 2), Fbm(q + Vec2{5.2, 1.3}, 4, kSeed + 3)};
  const double gas = Fbm(q * 1.3 + warp * 2.2, 6, kSeed + 4);
  const double band = BandWeight(p);
  const double glow = SmoothStep(0.38, 0.78, gas) * (0.25 + 0.75 * band);
  // Dark dust: thin winding filaments, and a few broader clouds.
  const double filaments = 1 - std::abs(Fbm(q * 1.4 + warp * 1.4, 5, kSeed + 5) * 2 - 1);
  const double patches = SmoothStep(0.5, 0.65, Fbm(q * 0.8, 3, kSeed + 8));
  const double clouds = SmoothStep(0.6, 0.78, Fbm(q * 1.6 + warp, 4, kSeed + 9));
  const double dust = std::max(SmoothStep(0.8, 0.97, filaments) * patches * 0.7, clouds * 0.55) *
                      (0.2 + 0.8 * band) * (0.4 + 0.6 * glow);
  return {glow, dust, Fbm(q * 0.7 + warp, 3, kSeed + 6)};
}

constexpr ColorStop kGasColors[] = {
    {0.30, Hex(0x2B6BD8)}, {0.42, Hex(0x6A3FD0)}, {0.52, Hex(0xC040A8)},
    {0.62, Hex(0xF06A9A)}, {0.72, Hex(0x38C8D8)},
};

Rgb Backdrop(Vec2 p) {
  // Deep cobalt, brightest along the band and darkest in the far corners.
  const double band = BandWeight(p);
  const Rgb base = Mix(Hex(0x030A26), Hex(0x0A2270), 0.35 + 0.65 * band);
  return base + Hex(0x0E1F5C) * (0.25 * (Fbm(p * (1 / 120.0), 4, kSeed + 7) - 0.5));
}

// A spiral galaxy far beyond, seen edge on: a bright core, a pale disc and a dark lane.
Rgb EdgeOnGalaxy(Vec2 p) {
  const Vec2 center{132, 214};
  const Vec2 d = p - center;
  const Vec2 along{0.8 * d.x + 0.6 * d.y, -0.6 * d.x + 0.8 * d.y};
  const double disc = Length({along.x / 46, along.y / 13});
  const double arms = Fbm({along.x / 9, along.y / 5}, 3, kSeed + 8);
  const double light = 0.55 * Spot(disc, 0.55) * (0.6 + 0.8 * arms) + 0.8 * Spot(disc, 0.12);
  const double lane = 1 - 0.55 * Spot(along.y - 3.5, 1.6) * Spot(disc, 0.8);
  return Hex(0xE8DCFF) * (light * lane);
}

// Another, seen almost face on: two arms winding out from the core.
Rgb SpiralGalaxy(Vec2 p) {
  const Vec2 d = p - Vec2{1238, 700};
  const Vec2 disc{0.8 * d.x + 0.6 * d.y, (-0.6 * d.x + 0.8 * d.y) / 0.6};
  const double r = Length(disc) / 30;
  if (r > 3) return {};
  const double phase = RoundAngle(disc) / 2 + std::sqrt(r) * 1.7;
  const double arm = 1 - std::abs((phase - std::floor(phase)) * 2 - 1);
  const double knots = 0.6 + 0.8 * Fbm(disc * (1 / 4.0), 3, kSeed + 9);
  const double light =
      Spot(r, 0.55) * (0.25 + 0.75 * SmoothStep(0.45, 0.95, arm)) * knots + 0.9 * Spot(r, 0.07);
  return Hex(0xD6E2FF) * (0.7 * light);
}

}  // namespace

void PaintNightSky(Canvas& canvas) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Vec2 p{x + 0.5, y + 0.5};
      const Nebula nebula = NebulaAt(p);
      Rgb color = Backdrop(p);
      Rgb stars;
      for (const StarLayer& layer : kStarLayers)
        stars = stars + StarLight(layer, p);
      // More faint stars crowd the band than the dark sky either side.
      stars = stars * (0.55 + 0.7 * BandWeight(p));
      color = color + stars + EdgeOnGalaxy(p) + SpiralGalaxy(p);
      color =
          Screen(color, Ramp(kGasColors, nebula.hue) * (nebula.glow * (0.5 + 0.5 * nebula.glow)));
      color = color * (1 - 0.72 * nebula.dust);
      canvas.at(x, y) = color;
    }
  }
}

}  // namespace qv::make_data
