#include "tools/make_data/skin_parts.h"

#include <cmath>

#include "tools/make_data/texture.h"

namespace qv::make_data {

namespace {

// Soft shadows that the raised parts cast down and to the right onto the shell.
double CastShadow(const PlayerLayout& layout, Vec2 p) {
  const Vec2 q = p - Vec2{1.5, 2.5};
  double nearest = std::min(Distance(Bezel(layout, 0), q), Distance(Bezel(layout, 1), q));
  nearest = std::min(nearest, Distance(layout.crest, q));
  nearest = std::min(nearest, Distance(layout.closePod, q));
  return 1 - SmoothStep(-1, 6, nearest);
}

}  // namespace

void PaintShell(Canvas& canvas, const PlayerLayout& layout) {
  const Field body = [&layout](Vec2 p) { return BodyDistance(layout, p); };
  constexpr Rgb kWhite{1, 1, 1};
  PaintShape(canvas, body, WholeCanvas(canvas), [&](Vec2 p, double d) {
    Rgb color = Mix(Hex(0x4B505A), Hex(0x16171B), SmoothStep(0, kSkinHeight, p.y));
    // A broad lacquer sheen sweeping across the upper body.
    const double sheen = 1 - SmoothStep(0, 60, std::abs(p.y - 0.22 * p.x - 60));
    color = color + kWhite * (0.045 * sheen);
    const double rim = RaisedEdgeLight(d, Normal(body, p), 7);
    color = color + kWhite * (rim > 0 ? 0.30 * rim : 0.16 * rim);
    // An engraved seam following the outline.
    const double seam = Coverage(std::abs(d + 12.5) - 0.55);
    const double seamLip = Coverage(std::abs(d + 13.6) - 0.5);
    color = color * (1 - 0.45 * seam) + kWhite * (0.05 * seamLip);
    color = color * (1 - 0.12 * SmoothStep(-11.5, -12.5, d));  // the rim band outside the seam
    color = color * (1 - 0.45 * CastShadow(layout, p));
    const int x = static_cast<int>(p.x);
    const int y = static_cast<int>(p.y);
    return color + kWhite * ((HashUnit(x, y, 11) - 0.5) * 0.014);
  });
}

}  // namespace qv::make_data
