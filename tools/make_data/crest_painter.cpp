#include "tools/make_data/skin_parts.h"

#include <cmath>

#include "tools/make_data/pixel_font.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr Rgb kWhite{1, 1, 1};
constexpr int kRidgesPerSide = 3;
constexpr double kRidgePitch = 5;

// Grip ridges, mirrored at both ends of the plate.
double RidgeDistance(const RoundBox& crest, Vec2 p) {
  const double left = crest.center.x - crest.half.x;
  const double right = crest.center.x + crest.half.x;
  double best = 1e9;
  for (int i = 0; i < kRidgesPerSide; ++i) {
    const double offset = 11 + i * kRidgePitch;
    for (const double x : {left + offset, right - offset}) {
      const RoundBox ridge{{x, crest.center.y}, {1.3, 8.5}, {1.3, 1.3, 1.3, 1.3}};
      best = std::min(best, Distance(ridge, p));
    }
  }
  return best;
}

}  // namespace

void PaintCrest(Canvas& canvas, const PlayerLayout& layout, Look look) {
  const RoundBox& crest = layout.crest;
  const Field plate = [&crest](Vec2 p) { return Distance(crest, p); };
  const Field ridges = [&crest](Vec2 p) { return RidgeDistance(crest, p); };
  const TextMask title = SetText("QUORVENDAL", 2);
  const int titleLeft = static_cast<int>(crest.center.x) - title.width / 2;
  const int titleTop = static_cast<int>(crest.center.y) - title.height / 2;
  const double top = crest.center.y - crest.half.y;
  const double bottom = crest.center.y + crest.half.y;

  PaintShape(canvas, plate, BoundsOf(crest, 1), [&](Vec2 p, double d) {
    Rgb color = Mix(Hex(0x969CA5), Hex(0x3B3F46), SmoothStep(top, bottom, p.y));
    color = color + kWhite * (0.04 * BrushedGrain(p.x, static_cast<int>(p.y), 51));
    const double rim = RaisedEdgeLight(d, Normal(plate, p), 3);
    color = color + kWhite * (rim > 0 ? 0.35 * rim : 0.30 * rim);

    const double dr = ridges(p);
    const double ridgeCover = Coverage(dr);
    const double ridgeLight = RaisedEdgeLight(dr, Normal(ridges, p), 1.3);
    const Rgb ridgeColor = color * 0.92 + kWhite * (0.32 * ridgeLight);
    const double groove = Coverage(dr - 1.0) - ridgeCover;  // the shadow line beside each ridge
    color = Mix(color * (1 - 0.35 * groove), ridgeColor, ridgeCover);

    const int gx = static_cast<int>(p.x) - titleLeft;
    const int gy = static_cast<int>(p.y) - titleTop;
    if (title.at(gx, gy)) {
      const bool shadowed = !title.at(gx, gy - 1) || !title.at(gx - 1, gy);
      color = color * (shadowed ? 0.28 : 0.42);
      if (look == Look::kOn) color = Mix(color, Hex(0xFFE3B8), shadowed ? 0.6 : 0.85);
    } else if (title.at(gx - 1, gy - 1) || title.at(gx, gy - 1)) {
      color = color + kWhite * 0.16;  // the groove's lit lower lip
    }
    return color;
  });
}

}  // namespace qv::make_data
