#include <algorithm>
#include <cmath>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/shading.h"
#include "tools/make_data/soft_light.h"
#include "tools/make_data/star_field.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 1101;

constexpr ColorStop kSkyStops[] = {
    {0, Hex(0x161540)},   {80, Hex(0x2E2560)},  {150, Hex(0x703E74)}, {215, Hex(0xC2586A)},
    {270, Hex(0xEC8650)}, {330, Hex(0xFCAC50)}, {432, Hex(0xFFD488)},
};

// Streaks of cloud gather in a few undulating bands; between them the sky stays clear.
double CloudBands(Vec2 p) {
  const double sway = (Fbm(p.x / 420, 3, kSeed) - 0.5) * 60;
  const double y = p.y + sway;
  struct Band {
    double center;
    double half;
  };
  constexpr Band kBands[] = {{64, 40}, {150, 34}, {232, 26}, {296, 16}};
  double band = 0;
  for (const Band& b : kBands)
    band = std::max(band, 1 - SmoothStep(0, b.half, std::abs(y - b.center)));
  return band;
}

double CloudDensity(Vec2 p) {
  const double warp = Fbm({p.x / 260, p.y / 70}, 3, kSeed + 1);
  const double streaks = Fbm({p.x / 190 + warp * 1.8, p.y / 17}, 6, kSeed + 2);
  return streaks - (1 - CloudBands(p)) * 0.45;
}

Rgb CloudColor(Vec2 p, double density) {
  // The sun sits below the clouds, so their undersides catch it and their tops fall into shade.
  const double underside = Clamp01((density - CloudDensity(p + Vec2{0, 5})) * 9);
  const Vec2 toSun = p - kSun.center;
  const double nearSun = Halo(Length({toSun.x * 0.5, toSun.y}), 260);
  const Rgb shade = Mix(DuskSkyColor(p.y) * 0.62, Hex(0x3E2A5C), 0.35);
  const Rgb lit = Mix(Hex(0xF08A78), Hex(0xFFD89A), nearSun);
  return Mix(shade, lit, Clamp01(0.15 + underside * 0.75 + nearSun * 0.45));
}

void PaintSkyAndClouds(Canvas& canvas) {
  constexpr StarLayer kEarlyStars{7, 0.05, 0.55, 0.9, 0, kSeed + 10};
  for (int y = 0; y < static_cast<int>(kWaterLine) + 1; ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Vec2 p{x + 0.5, y + 0.5};
      Rgb color = DuskSkyColor(p.y);
      // The first stars show only where the sky has darkened enough.
      color = color + StarLight(kEarlyStars, p) * (1 - SmoothStep(30, 220, p.y));
      color = Screen(color, SunGlow(p));
      const double density = CloudDensity(p);
      const double cover = SmoothStep(0.36, 0.58, density);
      if (cover > 0) color = Mix(color, CloudColor(p, density), cover * 0.92);
      canvas.at(x, y) = color;
    }
  }
}

void PaintSun(Canvas& canvas) {
  const Field disc = [](Vec2 p) { return Distance(kSun, p); };
  PaintShape(canvas, disc, BoundsOf(kSun, 2), [](Vec2 p, double) {
    const double fromCenter = Length(p - kSun.center) / kSun.radius;
    return Mix(Hex(0xFFF6DC), Hex(0xFFC46A), SmoothStep(0.4, 1.0, fromCenter));
  });
}

// The evening star, outshining every other, with a faint cross of glare.
void PaintEveningStar(Canvas& canvas) {
  const Vec2 star{318, 118};
  for (int y = 100; y < 137; ++y) {
    for (int x = 300; x < 337; ++x) {
      const Vec2 d = Vec2{x + 0.5, y + 0.5} - star;
      const double light = Spot(Length(d), 1.3) + 0.3 * Halo(Length(d), 4) +
                           0.35 * Spot(d.y, 0.5) * Spot(d.x, 9) +
                           0.35 * Spot(d.x, 0.5) * Spot(d.y, 9);
      canvas.at(x, y) = Screen(canvas.at(x, y), Hex(0xFFF4E0) * light);
    }
  }
}

// A young moon: a thin crescent lit from the sun's side, the rest of its disc faintly visible
// in the light reflected from the earth.
void PaintMoon(Canvas& canvas) {
  const Circle moon{{934, 92}, 13};
  const Vec2 fromSun = moon.center - kSun.center;
  const Vec2 away = fromSun * (1 / Length(fromSun));
  const Circle shadow{moon.center + away * (moon.radius * 0.42), moon.radius * 0.98};
  for (int y = 50; y < 135; ++y) {
    for (int x = 890; x < 980; ++x) {
      const double d = Length(Vec2{x + 0.5, y + 0.5} - moon.center);
      canvas.at(x, y) = Screen(canvas.at(x, y), Hex(0xFFE9B8) * (0.16 * Halo(d, 16) * Spot(d, 40)));
    }
  }
  PaintShape(
      canvas, [&moon](Vec2 p) { return Distance(moon, p); }, BoundsOf(moon, 2),
      [](Vec2, double) { return Hex(0x4C4070); });
  const Field crescent = [&](Vec2 p) { return std::max(Distance(moon, p), -Distance(shadow, p)); };
  PaintShape(canvas, crescent, BoundsOf(moon, 2), [&](Vec2 p, double) {
    const double mottle = Fbm(p * (1 / 3.0), 3, kSeed + 3);
    return Mix(Hex(0xFFF1CC), Hex(0xE8CF98), mottle);
  });
}

// Birds heading home: each a pair of bent wings, some up and some down mid-beat.
void PaintBirds(Canvas& canvas) {
  struct Bird {
    Vec2 at;
    double span;
    double lift;  // -1 wings down .. 1 wings up
  };
  constexpr Bird kBirds[] = {
      {{538, 214}, 7.5, 0.9},  {{556, 224}, 6.5, -0.4}, {{522, 230}, 6.0, 0.3},
      {{575, 236}, 5.5, 0.8},  {{504, 243}, 5.0, -0.2}, {{842, 186}, 4.5, 0.6},
      {{852, 194}, 4.0, -0.3},
  };
  for (const Bird& bird : kBirds) {
    const Vec2 c = bird.at;
    const double s = bird.span;
    const Vec2 elbowL{c.x - s * 0.45, c.y - s * 0.35 * bird.lift - s * 0.1};
    const Vec2 elbowR{c.x + s * 0.45, elbowL.y};
    const Vec2 tipL{c.x - s, c.y - s * 0.15 * bird.lift + s * 0.12};
    const Vec2 tipR{c.x + s, tipL.y};
    const double w = 0.5 + s * 0.05;
    const Field wings = [&](Vec2 p) {
      double d = Distance(Capsule{c, elbowL, w * 1.2}, p);
      d = std::min(d, Distance(Capsule{elbowL, tipL, w * 0.8}, p));
      d = std::min(d, Distance(Capsule{c, elbowR, w * 1.2}, p));
      return std::min(d, Distance(Capsule{elbowR, tipR, w * 0.8}, p));
    };
    PaintShape(canvas, wings, BoundsOf(Circle{c, s}, 3),
               [](Vec2, double) { return Hex(0x2A1830); });
  }
}

}  // namespace

Rgb DuskSkyColor(double y) {
  return Ramp(kSkyStops, y);
}

Rgb SunGlow(Vec2 p) {
  const Vec2 d = p - kSun.center;
  const double along = Length({d.x * 0.4, d.y * 1.2});
  const double near = Length(d);
  return Hex(0xFFB060) * (0.5 * Halo(along, 70)) + Hex(0xFFE2A8) * (0.75 * Spot(near, 40)) +
         Hex(0xFF9050) * (0.18 * Halo(near, 220));
}

void PaintDuskSky(Canvas& canvas) {
  PaintSkyAndClouds(canvas);
  PaintSun(canvas);
  PaintEveningStar(canvas);
  PaintMoon(canvas);
  PaintBirds(canvas);
}

}  // namespace qv::make_data
