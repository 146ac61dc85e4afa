#include "tools/make_data/greets_painter.h"

#include "tools/make_data/night_parts.h"

namespace qv::make_data {

Vec3 TowardSun() {
  return Normalized({-0.62, -0.40, 0.66});
}

Canvas PaintGreets() {
  Canvas canvas(kGreetsWidth, kGreetsHeight);
  PaintNightSky(canvas);
  PaintRingedPlanet(canvas);
  PaintOrbits(canvas);
  PaintMoons(canvas);
  PaintComet(canvas);
  PaintGreeting(canvas);
  return canvas;
}

}  // namespace qv::make_data
