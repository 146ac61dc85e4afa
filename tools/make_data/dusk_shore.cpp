#include <algorithm>
#include <cmath>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/shading.h"
#include "tools/make_data/soft_light.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 1501;

Vec2 Along(Vec2 a, Vec2 b, double t) {
  return a + (b - a) * t;
}

// Reeds and bulrushes in clumps along the bank, leaning a little with the breeze.
void PaintReeds(Canvas& canvas) {
  for (int i = 0; i < 900; ++i) {
    const double x = HashUnit(i, 0, kSeed + 60) * canvas.width();
    if (Fbm(x / 55, 3, kSeed + 61) < 0.47) continue;
    const double base = NearBankTop(x) + 3 + 6 * HashUnit(i, 1, kSeed + 60);
    const double height = 14 + 46 * HashUnit(i, 2, kSeed + 60);
    const double lean = (HashUnit(i, 3, kSeed + 60) - 0.35) * height * 0.35;
    const Vec2 foot{x, base};
    const Vec2 knee{x + lean * 0.3, base - height * 0.55};
    const Vec2 tip{x + lean, base - height};
    const bool bulrush = HashUnit(i, 4, kSeed + 60) < 0.18;
    const Vec2 headTop = Along(knee, tip, 0.55);
    const Capsule head{Along(knee, tip, 0.25), headTop, 1.7};
    const Field blade = [&](Vec2 p) {
      double d =
          std::min(Distance(Capsule{foot, knee, 0.85}, p), Distance(Capsule{knee, tip, 0.45}, p));
      return bulrush ? std::min(d, Distance(head, p)) : d;
    };
    PaintShape(canvas, blade, BoundsOf(Circle{Along(foot, tip, 0.5), height * 0.5 + 4}, 2),
               [&](Vec2 p, double d) {
                 const bool onHead = bulrush && Distance(head, p) < 0.5;
                 const Rgb color = onHead ? Hex(0x2A1A1E) : kShoreSilhouette;
                 return Mix(color, kShoreRimLight,
                            Clamp01(1 + d) * 0.2 * (1 - SmoothStep(560, 680, p.y)));
               });
  }
}

// Short grass all along the bank's edge.
void PaintGrass(Canvas& canvas) {
  for (int i = 0; i < 1400; ++i) {
    const double x = HashUnit(i, 0, kSeed + 70) * canvas.width();
    const double height = 3 + 9 * HashUnit(i, 1, kSeed + 70);
    const Vec2 foot{x, NearBankTop(x) + 2};
    const Vec2 tip{x + (HashUnit(i, 2, kSeed + 70) - 0.5) * height * 0.8, foot.y - height};
    const Capsule blade{foot, tip, 0.5};
    PaintShape(
        canvas, [&blade](Vec2 p) { return Distance(blade, p); }, BoundsOf(Circle{foot, height}, 2),
        [](Vec2, double) { return kShoreSilhouette; });
  }
}

// Fireflies over the reeds.
void PaintFireflies(Canvas& canvas) {
  for (int i = 0; i < 70; ++i) {
    const Vec2 at{HashUnit(i, 0, kSeed + 80) * canvas.width(),
                  560 + HashUnit(i, 1, kSeed + 80) * 140};
    if (at.y < NearBankTop(at.x) - 70) continue;
    const double strength = 0.4 + 0.6 * HashUnit(i, 2, kSeed + 80);
    for (int y = static_cast<int>(at.y) - 8; y <= static_cast<int>(at.y) + 8; ++y) {
      for (int x = static_cast<int>(at.x) - 8; x <= static_cast<int>(at.x) + 8; ++x) {
        if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) continue;
        const double d = Length(Vec2{x + 0.5, y + 0.5} - at);
        const double light = strength * (Spot(d, 0.9) + 0.25 * Halo(d, 3.5) * Spot(d, 8));
        canvas.at(x, y) = Screen(canvas.at(x, y), Hex(0xE4FF8C) * light);
      }
    }
  }
}

}  // namespace

double NearBankTop(double x) {
  return 664 + 18 * (Fbm(x / 70, 4, kSeed) - 0.5) - 80 * (1 - SmoothStep(0, 300, x)) -
         70 * SmoothStep(880, 1192, x);
}

Rgb Backlit(double inside, double towardSun) {
  const double rim = Clamp01(1 - inside / 2.5) * Clamp01(towardSun);
  return Mix(kShoreSilhouette, kShoreRimLight, rim * 0.55);
}

void PaintNearBank(Canvas& canvas) {
  for (int x = 0; x < canvas.width(); ++x) {
    const double top = NearBankTop(x + 0.5);
    for (int y = std::max(static_cast<int>(top) - 1, 0); y < canvas.height(); ++y) {
      const double inside = y + 0.5 - top;
      const double cover = Clamp01(inside + 0.5);
      if (cover <= 0) continue;
      // Lapping water leaves the bank's edge a little lighter and wet.
      const Rgb ground = Mix(Hex(0x2B1C32), kShoreSilhouette, SmoothStep(0, 10, inside));
      canvas.Blend(x, y, ground, cover);
    }
  }
}

void PaintReedbeds(Canvas& canvas) {
  PaintGrass(canvas);
  PaintReeds(canvas);
  PaintFireflies(canvas);
}

}  // namespace qv::make_data
