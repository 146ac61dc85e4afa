#include <algorithm>
#include <array>
#include <cmath>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/soft_light.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

// Mountain ranges from the farthest to the nearest; each farther one fades further into the
// glowing air, which is what makes them read as distant.
struct Range {
  double base;
  double height;
  double scale;  // pixels between main peaks
  double gap;    // how deep the range dips where the sun sets
  Rgb color;
  double forest;  // tallest tree on the crest, pixels
  uint32_t seed;
};
constexpr std::array kRanges = {
    Range{352, 170, 260, 0.75, Hex(0xB27893), 0, 811},
    Range{382, 120, 180, 0.55, Hex(0x85527E), 0, 823},
    Range{404, 78, 130, 0.25, Hex(0x56376A), 5, 837},
    Range{426, 40, 95, 0, Hex(0x2E2046), 13, 851},
};
constexpr int kSubsamples = 4;
// The clearing on the near hill where the village stands.
constexpr double kVillageLeft = 318;
constexpr double kVillageRight = 492;

double RangeTop(const Range& range, double x) {
  const double shape = 0.6 * RidgedFbm(x / range.scale, 5, range.seed) +
                       0.4 * Fbm(x / (range.scale * 2.7), 3, range.seed + 9);
  const double dip = 1 - range.gap * Spot(x - kSun.center.x, 150);
  return range.base - range.height * shape * dip;
}

// Pointed crowns of firs along a crest: each tree a narrow spike of its own height.
double TreeHeight(const Range& range, double x) {
  constexpr double kPitch = 5.5;
  const int cell = static_cast<int>(std::floor(x / kPitch));
  double tallest = 0;
  for (int k = cell - 3; k <= cell + 3; ++k) {
    const double center = (k + HashUnit(k, 1, range.seed)) * kPitch;
    const double height = range.forest * (0.45 + 0.55 * HashUnit(k, 2, range.seed));
    tallest = std::max(tallest, height - std::abs(x - center) * 2.4);
  }
  const double clearing = SmoothStep(kVillageLeft - 30, kVillageLeft, x) *
                          (1 - SmoothStep(kVillageRight, kVillageRight + 30, x));
  const double thinning = 0.55 + 0.9 * Fbm(x / 70, 2, range.seed + 5);
  return std::max(tallest, 0.0) * Clamp01(thinning) * (1 - clearing);
}

Rgb RangeColor(const Range& range, int index, Vec2 p, double top) {
  const Rgb haze = DuskSkyColor(kWaterLine - 40 - index * 18);
  // Gullies down the slopes, plainer on the farther ranges.
  const double gully = Fbm({p.x / 13, p.y / 21}, 4, range.seed + 20) - 0.5;
  Rgb color = range.color * (1 + gully * (0.08 + 0.05 * index));
  // Old snow in the high gullies of the tallest ranges, pink in the last light.
  if (range.height > 100) {
    const double altitude = (range.base - p.y) / range.height;
    const double patchy = (Fbm({p.x / 7, p.y / 15}, 4, range.seed + 40) - 0.5) * 0.6;
    color = Mix(color, Hex(0xE8C2D6), SmoothStep(0.5, 0.72, altitude + patchy) * 0.5);
  }
  // Backlit crests: a thin bright line where the sun is close behind them.
  const double rim = Clamp01(1 - (p.y - top) / 2.2) * Halo(std::abs(p.x - kSun.center.x), 170);
  color = Mix(color, Hex(0xFFCC7A), rim * 0.8);
  // Evening mist pools in the valleys at each range's foot.
  const double mist = SmoothStep(range.base - range.height * 0.35, range.base + 26, p.y) *
                      (0.4 + 0.6 * Fbm({p.x / 160, p.y / 14}, 4, range.seed + 30));
  return Mix(color, Screen(haze, SunGlow(p) * 0.5), Clamp01(mist * 0.75));
}

}  // namespace

double FarShoreGround(double x) {
  return RangeTop(kRanges.back(), x);
}

void PaintDuskHills(Canvas& canvas) {
  const int bottom = static_cast<int>(kWaterLine);
  for (size_t index = 0; index < kRanges.size(); ++index) {
    const Range& range = kRanges[index];
    for (int x = 0; x < canvas.width(); ++x) {
      std::array<double, kSubsamples> tops{};
      double highest = kWaterLine;
      for (int s = 0; s < kSubsamples; ++s) {
        const double sx = x + (s + 0.5) / kSubsamples;
        tops[static_cast<size_t>(s)] = RangeTop(range, sx) - TreeHeight(range, sx);
        highest = std::min(highest, tops[static_cast<size_t>(s)]);
      }
      double outline = 0;
      for (const double top : tops)
        outline += top / kSubsamples;
      for (int y = std::max(static_cast<int>(highest), 0); y < bottom; ++y) {
        double cover = 0;
        for (const double top : tops)
          cover += Clamp01(y + 1 - top);
        cover /= kSubsamples;
        if (cover <= 0) continue;
        const Vec2 p{x + 0.5, y + 0.5};
        canvas.Blend(x, y, RangeColor(range, static_cast<int>(index), p, outline), cover);
      }
    }
  }
}

}  // namespace qv::make_data
