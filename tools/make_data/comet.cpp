#include <algorithm>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {

// A comet with its two tails streaming away from the sun: a broad, curving one of dust and a
// straight, thin, blue one of gas.
void PaintComet(Canvas& canvas) {
  constexpr Vec2 kHead{1016, 64};
  const Vec3 sun = TowardSun();
  const Vec2 towardSun = Leaning({sun.x, sun.y});
  const Vec2 away = towardSun * (-1 / Length(towardSun));
  const Vec2 side{-away.y, away.x};
  for (int y = 20; y < 320; ++y) {
    for (int x = 960; x < 1260; ++x) {
      const Vec2 p{x + 0.5, y + 0.5};
      const Vec2 d = p - kHead;
      const double along = Dot(d, away);
      const double across = Dot(d, side);
      double dust = 0;
      double gas = 0;
      if (along > 0) {
        const double bend = across + along * along * 0.0011;
        const double fade = Halo(along, 110) * (1 - SmoothStep(150, 300, along));
        dust = Spot(bend, 3 + along * 0.28) * fade * 0.75;
        const double streaks = 0.55 + 0.9 * ValueNoise(across * 0.7, 2701);
        gas = Spot(across, 0.8 + along * 0.05) * Halo(along, 120) * streaks *
              (1 - SmoothStep(180, 330, along)) * 0.45;
      }
      const double r = Length(d);
      const double coma = Spot(r, 1.6) * 1.4 + Spot(r, 5) * 0.55 + Halo(r, 8) * Spot(r, 30) * 0.25;
      const Rgb light = Hex(0xFFF2DC) * (dust + coma) + Hex(0x6CC8FF) * gas;
      canvas.at(x, y) = Screen(canvas.at(x, y), light);
    }
  }
}

}  // namespace qv::make_data
