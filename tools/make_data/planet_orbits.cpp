#include <algorithm>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {
namespace {

// A thin dashed trace of an orbit, hidden where it runs behind the planet.
void PaintOrbit(Canvas& canvas, double radius, double dashes) {
  const double a = radius * kPlanetRadius;
  const double b = a * kEquatorNormal.z;
  const int reachX = static_cast<int>(a) + 4;
  const int reachY = static_cast<int>(a * kLeanSin + b) + 4;
  const int cx = static_cast<int>(kPlanetCenter.x);
  const int cy = static_cast<int>(kPlanetCenter.y);
  for (int y = std::max(cy - reachY, 0); y < std::min(cy + reachY, canvas.height()); ++y) {
    for (int x = std::max(cx - reachX, 0); x < std::min(cx + reachX, canvas.width()); ++x) {
      const Vec2 u = Upright(Vec2{x + 0.5, y + 0.5} - kPlanetCenter);
      const Vec2 unit{u.x / a, u.y / b};
      const double r = Length(unit);
      // Distance to the ellipse in pixels, near enough for a line a pixel wide.
      const Vec2 gradient{unit.x / a, unit.y / b};
      const double distance = (r - 1) / (Length(gradient) + 1e-12);
      if (std::abs(distance) > 2.5) continue;
      const bool behind = u.y < 0 && Length(u) < kPlanetRadius + 1;
      if (behind) continue;
      const double along = RoundAngle(unit) * dashes;
      const double dash = SmoothStep(0.1, 0.2, along - std::floor(along)) *
                          (1 - SmoothStep(0.55, 0.65, along - std::floor(along)));
      const double light = 0.5 * Spot(distance, 0.6) * dash;
      canvas.at(x, y) = Screen(canvas.at(x, y), Hex(0x8CD8FF) * light);
    }
  }
}

}  // namespace

void PaintOrbits(Canvas& canvas) {
  PaintOrbit(canvas, kInnerOrbit, 60);
  PaintOrbit(canvas, kOuterOrbit, 70);
}

}  // namespace qv::make_data
