#include <algorithm>
#include <cmath>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {
namespace {

// The lake's perspective: ripples grow with the square of (rows below the far shore + this),
// and spread sideways from the point straight ahead.
constexpr double kEyeDrop = 80;
constexpr double kStraightAhead = 596;
constexpr uint32_t kSeed = 901;
constexpr Rgb kDeepWater = Hex(0x1A1230);

Rgb SampleBilinear(const Canvas& canvas, Vec2 p) {
  const double x = std::clamp(p.x - 0.5, 0.0, canvas.width() - 1.001);
  const double y = std::clamp(p.y - 0.5, 0.0, canvas.height() - 1.001);
  const int ix = static_cast<int>(x);
  const int iy = static_cast<int>(y);
  const double tx = x - ix;
  const double ty = y - iy;
  return Mix(Mix(canvas.at(ix, iy), canvas.at(ix + 1, iy), tx),
             Mix(canvas.at(ix, iy + 1), canvas.at(ix + 1, iy + 1), tx), ty);
}

// A point of the screen below the far shore, as a place on the lake's surface in units of one
// ripple: across runs left to right, away from the viewer toward the far shore. Ripples look
// long and low, and shrink with distance.
Vec2 OnSurface(Vec2 p) {
  const double below = p.y - kWaterLine;
  return {(p.x - kStraightAhead) / (10 + below * 0.6), 4300 / (below + kEyeDrop)};
}

// The lake at a point below the far shore: the scene above mirrored in moving water.
Rgb WaterAt(const Canvas& canvas, Vec2 p) {
  const double below = p.y - kWaterLine;
  const Vec2 surface = OnSurface(p);
  // Long low swells, and wavelets riding on them.
  const double swell = Fbm({surface.x / 3, surface.y / 4}, 4, kSeed);
  const double wavelet = Fbm(surface, 3, kSeed + 1);
  // Gusts roughen some stretches of the lake and leave glassy lanes between them.
  const double gust = SmoothStep(0.35, 0.65, Fbm({surface.x / 12, surface.y / 25}, 3, kSeed + 2));
  // Beyond what the eye can resolve the waves blur into a plain mirror.
  const double resolved = SmoothStep(2, 30, below);
  const double tilt = ((swell - 0.5) * 0.7 + (wavelet - 0.5) * (0.4 + 1.2 * gust)) * resolved;
  // Tilted water mirrors a point higher or lower in the sky; the same tilt shifts the image
  // more the nearer the water is.
  const double reach = 2 + below * 0.1;
  Vec2 mirrored{p.x + tilt * reach * 0.4, kWaterLine - below - tilt * reach * 2};
  mirrored.y = std::min(mirrored.y, kWaterLine - 0.6);
  const Rgb reflected = SampleBilinear(canvas, mirrored);
  // Water reflects more at a glancing angle, so the far lake is a brighter mirror.
  const double mirror = 0.5 + 0.3 * (1 - SmoothStep(0, 200, below));
  Rgb color = Mix(kDeepWater, reflected * Hex(0xE6DCF0), mirror);
  // Fine ripples: each lifts or lowers the brightness of the little band it spans.
  const double ripple = Fbm({surface.x * 3, surface.y * 2.5}, 2, kSeed + 3) - 0.5;
  const double roughness = resolved * (0.4 + 0.6 * gust);
  color = color * (1 + ripple * 0.5 * roughness);
  // Their crests catch the open sky overhead.
  const double crest = SmoothStep(0.1, 0.3, ripple) * roughness;
  color = Screen(color, DuskSkyColor(mirrored.y - 60) * (0.22 * crest));
  // The sun's road: glints on wave faces turned toward it, scattered across a widening path.
  const double road = Spot(p.x - kSun.center.x, 12 + below * 0.5);
  const double glint = SmoothStep(0.58, 0.72, wavelet) * road * (0.4 + 0.6 * gust);
  color = Screen(color, Hex(0xFFD890) * (glint * 1.3 + road * 0.2));
  // A thin line of light along the far shore, where the water meets it at a grazing angle.
  color = Screen(color, Hex(0xFFC880) * (0.35 * Spot(below, 1.2)));
  return color;
}

}  // namespace

void PaintLake(Canvas& canvas) {
  // Rows are mirrored from above the far shore, which this never writes.
  for (int y = static_cast<int>(kWaterLine); y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x)
      canvas.at(x, y) = WaterAt(canvas, {x + 0.5, y + 0.5});
  }
}

}  // namespace qv::make_data
