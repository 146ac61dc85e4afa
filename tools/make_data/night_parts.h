#pragma once

#include <cmath>

#include "tools/make_data/canvas.h"
#include "tools/make_data/geometry.h"

namespace qv::make_data {

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator*(Vec3 a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
constexpr double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Normalized(Vec3 a) {
  return a * (1 / std::sqrt(Dot(a, a)));
}

// An angle round a centre without trigonometry: 0..4 once round, uneven by at most a few
// degrees, which dashes and spiral arms do not show.
inline double RoundAngle(Vec2 v) {
  const double sum = std::abs(v.x) + std::abs(v.y);
  if (sum <= 0) return 0;
  const double a = v.y / sum;
  return v.x >= 0 ? (v.y >= 0 ? a : 4 + a) : 2 - a;
}

inline constexpr Vec2 kPlanetCenter{748, 388};
inline constexpr double kPlanetRadius = 196;

// The planet's axis leans on the screen by the angle whose cosine and sine are 24/25 and 7/25;
// its rings and its moons' orbits lie in its equator's plane.
inline constexpr double kLeanCos = 0.96;
inline constexpr double kLeanSin = 0.28;

// A screen offset from the planet's centre, turned so the planet's axis points straight up.
constexpr Vec2 Upright(Vec2 offset) {
  return {kLeanCos * offset.x + kLeanSin * offset.y, -kLeanSin * offset.x + kLeanCos * offset.y};
}
// And back again.
constexpr Vec2 Leaning(Vec2 upright) {
  return {kLeanCos * upright.x - kLeanSin * upright.y, kLeanSin * upright.x + kLeanCos * upright.y};
}

// Seen from a little above the equator's plane: its normal, in the upright frame with x to the
// right, y down the screen and z toward the viewer. Tipped so the plane's circles look 0.28 as
// tall as wide.
inline constexpr Vec3 kEquatorNormal{0, -0.96, 0.28};

// Two of the moons' orbits, in planet radii.
inline constexpr double kInnerOrbit = 3.0;
inline constexpr double kOuterOrbit = 3.5;

// Where a point of the equator's plane at `radius` planet radii and at the angle whose cosine
// and sine are given shows on the screen. Its depth toward the viewer is 0.96 × radius × sine.
constexpr Vec2 OnEquatorPlane(double radius, double cosine, double sine) {
  const Vec2 upright{cosine * radius, sine * radius * kEquatorNormal.z};
  return kPlanetCenter + Leaning(upright * kPlanetRadius);
}

// Toward the distant sun, off the upper left and in front, in the upright frame.
Vec3 TowardSun();

// The painters of the night, back to front.
void PaintNightSky(Canvas& canvas);
void PaintRingedPlanet(Canvas& canvas);
void PaintOrbits(Canvas& canvas);
void PaintMoons(Canvas& canvas);
void PaintComet(Canvas& canvas);
void PaintGreeting(Canvas& canvas);

}  // namespace qv::make_data
