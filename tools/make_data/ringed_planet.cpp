#include <algorithm>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/planet_rings.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 2301;

// Cloud belts by the sine of the latitude, from the lower pole (-1) to the one tipped toward us.
constexpr ColorStop kBelts[] = {
    {-1.00, Hex(0x5E7FA6)}, {-0.80, Hex(0x8FA2B0)}, {-0.64, Hex(0xD8C9A4)}, {-0.52, Hex(0xB98A5E)},
    {-0.42, Hex(0xE9D6AC)}, {-0.30, Hex(0xC08048)}, {-0.20, Hex(0xF1DFB8)}, {-0.10, Hex(0xD9A868)},
    {0.00, Hex(0xF6E6C2)},  {0.09, Hex(0xE8C48A)},  {0.18, Hex(0xA86238)},  {0.27, Hex(0xEBD4A4)},
    {0.38, Hex(0xC7925E)},  {0.50, Hex(0xE0CDA2)},  {0.64, Hex(0xA99C84)},  {0.80, Hex(0x8697AE)},
    {1.00, Hex(0x56769F)},
};

// The storm: an oval of pale cloud ringed with rust, in longitude and latitude.
constexpr Vec2 kStorm{0.32, 0.225};
constexpr Vec2 kStormHalf{0.15, 0.045};

// Small white storms strung along the belts' edges, by longitude, latitude and size.
constexpr Vec3 kOvals[] = {
    {-0.62, -0.355, 0.030}, {-0.35, -0.36, 0.022}, {-0.05, -0.352, 0.026}, {0.48, -0.358, 0.020},
    {-0.78, 0.145, 0.018},  {-0.44, 0.14, 0.024},  {0.05, 0.142, 0.02},    {0.7, 0.148, 0.022},
    {-0.2, 0.445, 0.028},   {0.25, 0.44, 0.02},    {0.62, -0.5, 0.018},    {-0.5, 0.56, 0.022},
};

Rgb CloudTops(Vec3 n) {
  const double latitude = Dot(n, kEquatorNormal);
  const double across = std::sqrt(std::max(1 - latitude * latitude, 1e-6));
  const double longitude = n.x / across;
  // Belts flow and curl against each other along their edges.
  const double curl = Fbm({longitude * 3, latitude * 14}, 4, kSeed + 10) - 0.5;
  const double eddies = Fbm({longitude * 9, latitude * 55}, 3, kSeed + 11) - 0.5;
  const double wisps = Fbm({longitude * 24, latitude * 150}, 3, kSeed + 13) - 0.5;
  double lat = latitude + curl * 0.05 + eddies * 0.016 + wisps * 0.006;
  const Vec2 fromStorm{(longitude - kStorm.x) / kStormHalf.x, (latitude - kStorm.y) / kStormHalf.y};
  const double storm = Length(fromStorm);
  // Cloud is dragged round the storm, which folds the belts into it.
  lat += Spot(storm, 1.4) * fromStorm.x * 0.02;
  Rgb color = Ramp(kBelts, lat);
  color = color * (0.9 + 0.2 * Fbm({longitude * 10, lat * 260}, 3, kSeed + 12));
  color = Mix(color, Hex(0xA4502C), Spot(storm - 0.9, 0.22) * 0.75);
  color = Mix(color, Hex(0xF8EBD4), Spot(storm, 0.5) * 0.9);
  for (const Vec3& oval : kOvals) {
    const double d = Length({(longitude - oval.x) / (oval.z * 1.8), (lat - oval.y) / oval.z});
    color = Mix(color, Hex(0xFBF3E2), Spot(d, 0.55) * 0.85);
  }
  return color;
}

struct Surface {
  Rgb color;
  double cover = 0;
};

// The planet at one point of the upright frame, in planet radii.
Surface Planet(Vec2 u, double pixel) {
  const double r2 = Dot(u, u);
  const double edge = (std::sqrt(r2) - 1) / pixel;
  const double cover = Clamp01(0.5 - edge);
  if (cover <= 0) return {};
  const double z = std::sqrt(std::max(1 - r2, 0.0));
  const Vec3 n{u.x, u.y, z};
  const Vec3 sun = TowardSun();
  const double facing = Dot(n, sun);
  // The day side lit evenly, a soft terminator, and the limb darkened by thicker haze.
  const double light = SmoothStep(-0.12, 0.3, facing) * (0.45 + 0.55 * Clamp01(facing));
  Rgb color = CloudTops(n) * (light * (0.65 + 0.35 * z));
  // The rings' shadow across the belts.
  const double toPlane = -Dot(n, kEquatorNormal) / Dot(sun, kEquatorNormal);
  if (toPlane > 0) {
    const Vec3 hit = n + sun * toPlane;
    color = color * (1 - 0.8 * RingOpacity(std::sqrt(Dot(hit, hit))));
  }
  // The night side faintly lit by the rings; a blue haze along the sunlit limb.
  color = color + Hex(0x1A2040) * (0.35 * (1 - light));
  color = Screen(color, Hex(0x7FB8FF) * (0.5 * (1 - z) * (1 - z) * SmoothStep(-0.2, 0.4, facing)));
  return {color, cover};
}

Rgb Atmosphere(Vec2 u) {
  const double height = Length(u) - 1;
  if (height < 0) return {};
  const Vec3 limb{u.x / Length(u), u.y / Length(u), 0};
  const double lit = SmoothStep(-0.35, 0.5, Dot(limb, TowardSun()));
  return Hex(0x6FA8FF) *
         (0.55 * lit * Spot(height, 0.02) + 0.18 * lit * Halo(height, 0.05) * Spot(height, 0.3));
}

Rgb Sample(Rgb behind, Vec2 screen) {
  const Vec2 u = Upright(screen - kPlanetCenter) * (1 / kPlanetRadius);
  const RingPoint ring = RingThrough(u);
  Rgb color = behind;
  if (!ring.front) color = Mix(color, ring.color, ring.opacity);
  color = Screen(color, Atmosphere(u));
  const Surface planet = Planet(u, 1 / kPlanetRadius);
  color = Mix(color, planet.color, planet.cover);
  if (ring.front) color = Mix(color, ring.color, ring.opacity);
  return color;
}

}  // namespace

void PaintRingedPlanet(Canvas& canvas) {
  // Four samples a pixel: the ring's fine edges and ringlets would shimmer with one.
  constexpr double kOffsets[] = {0.25, 0.75};
  const double reach = kPlanetRadius * 2.4;
  const int left = std::max(0, static_cast<int>(kPlanetCenter.x - reach));
  const int right = std::min(canvas.width(), static_cast<int>(kPlanetCenter.x + reach));
  const int top = std::max(0, static_cast<int>(kPlanetCenter.y - kPlanetRadius * 1.5));
  const int bottom =
      std::min(canvas.height(), static_cast<int>(kPlanetCenter.y + kPlanetRadius * 1.5));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Rgb behind = canvas.at(x, y);
      Rgb sum;
      for (const double dy : kOffsets) {
        for (const double dx : kOffsets)
          sum = sum + Sample(behind, {x + dx, y + dy});
      }
      canvas.at(x, y) = sum * 0.25;
    }
  }
}

}  // namespace qv::make_data
