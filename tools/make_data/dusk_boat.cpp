#include <algorithm>
#include <cmath>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/shading.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {
namespace {

// Where the hull sits in the water.
constexpr Vec2 kWaterline{858, 566};
constexpr Vec2 kLantern{kWaterline.x - 27, kWaterline.y - 23};
constexpr Rgb kLampLight = Hex(0xFFC760);

double EllipseDistance(Vec2 p, Vec2 center, Vec2 half) {
  const Vec2 local{(p.x - center.x) / half.x, (p.y - center.y) / half.y};
  return (Length(local) - 1) * std::min(half.x, half.y);
}

// A rowing boat with one angler and a lantern on a pole at the stern.
double BoatDistance(Vec2 p) {
  const double gunwale = kWaterline.y - 5;
  double hull = EllipseDistance(p, {kWaterline.x, gunwale}, {32, 9});
  hull = std::max({hull, gunwale - p.y, p.y - kWaterline.y - 0.5});
  const Triangle bow{{kWaterline.x + 24, gunwale + 1},
                     {kWaterline.x + 35, gunwale - 3},
                     {kWaterline.x + 29, gunwale + 4}};
  const Capsule body{{kWaterline.x - 3, gunwale - 1}, {kWaterline.x - 2, gunwale - 11}, 3.4};
  const Circle head{{kWaterline.x - 1.5, gunwale - 16.5}, 3};
  const Triangle hat{{kWaterline.x - 6.5, gunwale - 17},
                     {kWaterline.x - 1, gunwale - 24},
                     {kWaterline.x + 4, gunwale - 17}};
  const Capsule oar{{kWaterline.x + 1, gunwale - 7}, {kWaterline.x + 26, kWaterline.y + 3}, 0.8};
  const Capsule pole{{kWaterline.x - 24, gunwale}, {kLantern.x, kLantern.y - 3}, 0.8};
  const Capsule line{{kWaterline.x + 1, gunwale - 9}, {kWaterline.x + 44, gunwale - 30}, 0.4};
  return std::min({hull, Distance(bow, p), Distance(body, p), Distance(head, p), Distance(hat, p),
                   Distance(oar, p), Distance(pole, p), Distance(line, p)});
}

}  // namespace

void PaintBoat(Canvas& canvas) {
  const PixelBounds around{static_cast<int>(kWaterline.x) - 60, static_cast<int>(kWaterline.y) - 50,
                           static_cast<int>(kWaterline.x) + 60,
                           static_cast<int>(kWaterline.y) + 60};
  for (int y = around.top; y < around.bottom; ++y) {
    for (int x = around.left; x < around.right; ++x) {
      const Vec2 p{x + 0.5, y + 0.5};
      Rgb color = canvas.at(x, y);
      const double below = p.y - kWaterline.y;
      if (below > 0) {
        // The boat's broken reflection, and rings spreading from where the oar dips.
        const double wobble = (Fbm({p.x / 18, p.y / 2.2}, 2, 1301) - 0.5) * (2 + below * 0.12);
        const double mirrored = BoatDistance({p.x + wobble, kWaterline.y - below + wobble * 0.4});
        color = Mix(color, Hex(0x1A1128), Coverage(mirrored) * 0.6);
        const double ring =
            std::abs(EllipseDistance(p, {kWaterline.x + 26, kWaterline.y + 3}, {14, 3.2}));
        const double ring2 =
            std::abs(EllipseDistance(p, {kWaterline.x + 26, kWaterline.y + 3}, {26, 6}));
        color = Screen(color, Hex(0xF0C0A0) * (0.22 * Spot(ring, 0.7) + 0.12 * Spot(ring2, 0.8)));
        const Vec2 toReflection = p - Vec2{kLantern.x, 2 * kWaterline.y - kLantern.y};
        const double streak = Spot(toReflection.x + wobble, 1.8) * Spot(toReflection.y, 16);
        color = Screen(color, kLampLight * (0.7 * streak * SmoothStep(0.35, 0.55, wobble + 0.5)));
      }
      const double d = BoatDistance(p);
      color = Mix(color, Hex(0x140C1E), Coverage(d));
      // The lantern lights the angler's side and the water around it.
      const double toLamp = Length(p - kLantern);
      color = Screen(color,
                     kLampLight * (Spot(toLamp, 2.2) + 0.3 * Halo(toLamp, 6) * Spot(toLamp, 40)));
      canvas.at(x, y) = color;
    }
  }
}

}  // namespace qv::make_data
