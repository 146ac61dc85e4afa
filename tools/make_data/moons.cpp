#include <algorithm>
#include <array>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/soft_light.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

struct Moon {
  Circle disc;
  Rgb bright;
  Rgb dark;
  double craters;  // 0..1, how battered its face is
  uint32_t seed;
};

// Toward the sun on the screen's own axes.
Vec3 SunOnScreen() {
  const Vec3 sun = TowardSun();
  const Vec2 flat = Leaning({sun.x, sun.y});
  return {flat.x, flat.y, sun.z};
}

// Craters on a face mapped flat from the moon's far pole, so they crowd and flatten toward the
// limb the way they would on a sphere. Returns a brightness factor.
double Craters(Vec2 face, Vec2 sunAcross, double cell, double chance, uint32_t seed) {
  const int cx = static_cast<int>(std::floor(face.x / cell));
  const int cy = static_cast<int>(std::floor(face.y / cell));
  double shade = 1;
  for (int j = cy - 1; j <= cy + 1; ++j) {
    for (int i = cx - 1; i <= cx + 1; ++i) {
      if (HashUnit(i, j, seed) > chance) continue;
      const Vec2 center{(i + HashUnit(i, j, seed + 1)) * cell,
                        (j + HashUnit(i, j, seed + 2)) * cell};
      const double pick = HashUnit(i, j, seed + 3);
      const double radius = cell * (0.12 + 0.45 * pick * pick);
      const Vec2 offset = (face - center) * (1 / radius);
      const double t = Length(offset);
      if (t > 1.35) continue;
      // The bowl's far wall faces the sun and is lit; the near wall is in shadow; the rim is
      // raised and catches light all round.
      const double wall = t < 1 ? -Dot(offset, sunAcross) * 0.55 : 0;
      const double floor = t < 1 ? -0.12 : 0;
      const double rim = 0.18 * Spot(t - 1, 0.14);
      shade *= 1 + wall + floor + rim;
    }
  }
  return shade;
}

void PaintMoon(Canvas& canvas, const Moon& moon) {
  const Vec3 sun = SunOnScreen();
  const Vec2 sunAcross = Vec2{sun.x, sun.y} * (1 / Length({sun.x, sun.y}));
  const int reach = static_cast<int>(moon.disc.radius) + 12;
  const int cx = static_cast<int>(moon.disc.center.x);
  const int cy = static_cast<int>(moon.disc.center.y);
  for (int y = std::max(cy - reach, 0); y < std::min(cy + reach, canvas.height()); ++y) {
    for (int x = std::max(cx - reach, 0); x < std::min(cx + reach, canvas.width()); ++x) {
      const Vec2 p{x + 0.5, y + 0.5};
      const Vec2 u = (p - moon.disc.center) * (1 / moon.disc.radius);
      const double r = Length(u);
      // A faint glow of scattered light round the lit limb.
      const Vec2 limb = r > 0 ? u * (1 / r) : Vec2{};
      const double litLimb = Clamp01(Dot(limb, sunAcross) + 0.3);
      Rgb color = Screen(canvas.at(x, y),
                         moon.bright * (0.18 * litLimb * Spot(std::max(r - 1, 0.0), 0.05)));
      const double cover = Clamp01(0.5 - (r - 1) * moon.disc.radius);
      if (cover > 0) {
        const double z = std::sqrt(std::max(1 - r * r, 0.0));
        const Vec3 n{u.x, u.y, z};
        const Vec2 face = u * (1 / (1 + z));
        const double seas = SmoothStep(0.45, 0.62, Fbm(face * 3.2, 4, moon.seed + 10));
        Rgb surface = Mix(moon.bright, moon.dark, seas * 0.8);
        surface = surface * (0.9 + 0.2 * Fbm(face * 14, 3, moon.seed + 11));
        // A few large craters and many small ones.
        surface = surface * Craters(face, sunAcross, 0.2, moon.craters * 0.4, moon.seed) *
                  Craters(face, sunAcross, 0.075, moon.craters, moon.seed + 4);
        const double facing = Dot(n, sun);
        const double light = SmoothStep(-0.08, 0.25, facing) * (0.35 + 0.65 * Clamp01(facing));
        // The dark side is not black: the planet's light falls on it.
        const Rgb lit = surface * light + moon.dark * Hex(0x3050A0) * (0.12 * (1 - light));
        color = Mix(color, lit, cover);
      }
      canvas.at(x, y) = color;
    }
  }
}

}  // namespace

void PaintMoons(Canvas& canvas) {
  const std::array kMoons = {
      // A rusty moon far round the outer orbit, and a grey one coming toward us on the inner.
      Moon{{OnEquatorPlane(kOuterOrbit, -0.6, -0.8), 23}, Hex(0xE0A078), Hex(0x8A4A34), 0.7, 2511},
      Moon{{OnEquatorPlane(kInnerOrbit, 0.8, 0.6), 15}, Hex(0xC8C4BE), Hex(0x6E6A66), 0.9, 2521},
      // A pebble of a moon on an orbit of its own.
      Moon{{{1248, 318}, 7}, Hex(0xD8D0C0), Hex(0x807868), 0.6, 2531},
      // An icy moon close by, large and pale.
      Moon{{{178, 584}, 52}, Hex(0xE6EEF6), Hex(0x8C9CB4), 0.85, 2501},
  };
  for (const Moon& moon : kMoons)
    PaintMoon(canvas, moon);
}

}  // namespace qv::make_data
