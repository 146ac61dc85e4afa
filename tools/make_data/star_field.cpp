#include "tools/make_data/star_field.h"

#include <cmath>

#include "tools/make_data/soft_light.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

// From cool red dwarfs to blue giants, weighted toward the white middle.
constexpr ColorStop kStarColors[] = {
    {0.00, {1.00, 0.62, 0.45}}, {0.15, {1.00, 0.82, 0.60}}, {0.35, {1.00, 0.95, 0.86}},
    {0.65, {0.92, 0.95, 1.00}}, {1.00, {0.70, 0.80, 1.00}},
};

Rgb OneStar(const StarLayer& layer, int cx, int cy, Vec2 p) {
  if (HashUnit(cx, cy, layer.seed) >= layer.chance) return {};
  const Vec2 center{(cx + 0.15 + 0.7 * HashUnit(cx, cy, layer.seed + 1)) * layer.cell,
                    (cy + 0.15 + 0.7 * HashUnit(cx, cy, layer.seed + 2)) * layer.cell};
  const Vec2 d = p - center;
  const double reach = layer.radius * 4 + layer.spikes;
  if (std::abs(d.x) > reach || std::abs(d.y) > reach) return {};
  // Most stars faint, a few bright: the square of a uniform draw.
  const double pick = HashUnit(cx, cy, layer.seed + 3);
  const double strength = layer.brightness * (0.15 + 0.85 * pick * pick);
  const double size = layer.radius * (0.6 + 0.8 * pick);
  const Rgb tint = Ramp(kStarColors, HashUnit(cx, cy, layer.seed + 4));
  double light = Spot(Length(d), size) + 0.25 * Spot(Length(d), size * 3.5);
  if (layer.spikes > 0) {
    const double length = layer.spikes * pick;
    light += 0.5 * Spot(d.y, 0.55) * Halo(d.x, length * 0.25) * Spot(d.x, length);
    light += 0.5 * Spot(d.x, 0.55) * Halo(d.y, length * 0.25) * Spot(d.y, length);
  }
  return tint * (strength * light);
}

}  // namespace

Rgb StarLight(const StarLayer& layer, Vec2 p) {
  const int cx = static_cast<int>(std::floor(p.x / layer.cell));
  const int cy = static_cast<int>(std::floor(p.y / layer.cell));
  const int span = static_cast<int>(std::ceil((layer.radius * 4 + layer.spikes) / layer.cell));
  Rgb sum;
  for (int y = cy - span; y <= cy + span; ++y) {
    for (int x = cx - span; x <= cx + span; ++x)
      sum = sum + OneStar(layer, x, y, p);
  }
  return sum;
}

}  // namespace qv::make_data
