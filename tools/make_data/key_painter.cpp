#include "tools/make_data/skin_parts.h"

#include <cmath>

#include "tools/make_data/pixel_font.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr Rgb kWhite{1, 1, 1};
constexpr double kLedRadius = 3.8;

void PaintWell(Canvas& canvas, const RoundBox& well) {
  const Field field = [&well](Vec2 p) { return Distance(well, p); };
  PaintShape(canvas, field, BoundsOf(well, 2), [&](Vec2 p, double d) {
    const double wall = SunkenEdgeLight(d, Normal(field, p), 3.5);
    return Hex(0x0B0C0F) + kWhite * (wall > 0 ? 0.22 * wall : 0.05 * wall);
  });
}

// The legend: a play arrow and the track's number, as one field so it can glow as one.
struct Legend {
  Triangle arrow;
  TextMask digit;
  int digitLeft = 0;
  int digitTop = 0;

  double DistanceAt(Vec2 p) const { return std::min(Distance(arrow, p), DigitDistance(p)); }

  // Distance to the nearest cell of the digit; the glow reaches at most kReach pixels.
  double DigitDistance(Vec2 p) const {
    constexpr int kReach = 6;
    const int px = static_cast<int>(std::floor(p.x)) - digitLeft;
    const int py = static_cast<int>(std::floor(p.y)) - digitTop;
    if (digit.at(px, py)) return -0.5;
    double nearest = kReach;
    for (int y = py - kReach; y <= py + kReach; ++y) {
      for (int x = px - kReach; x <= px + kReach; ++x) {
        if (!digit.at(x, y)) continue;
        const Vec2 cellCenter{digitLeft + x + 0.5, digitTop + y + 0.5};
        const Vec2 gap{std::max(std::abs(p.x - cellCenter.x) - 0.5, 0.0),
                       std::max(std::abs(p.y - cellCenter.y) - 0.5, 0.0)};
        nearest = std::min(nearest, Length(gap));
      }
    }
    return nearest;
  }
};

Legend MakeLegend(const RoundBox& key, int track) {
  Legend legend;
  legend.digit = SetText(track == 0 ? "1" : "2", 2);
  const double cx = key.center.x + 4;
  const double cy = key.center.y;
  legend.arrow = {{cx - 13, cy - 6}, {cx - 13, cy + 6}, {cx - 3, cy}};
  legend.digitLeft = static_cast<int>(cx) + 2;
  legend.digitTop = static_cast<int>(cy) - legend.digit.height / 2;
  return legend;
}

}  // namespace

void PaintTrackKey(Canvas& canvas, const PlayerLayout& layout, int track, Look look) {
  const RoundBox& key = layout.keys[static_cast<size_t>(track)];
  PaintWell(canvas, KeyWell(layout, track));

  const bool lit = look == Look::kOn;
  const Rgb accent = TrackAccent(track);
  const Field cap = [&key](Vec2 p) { return Distance(key, p); };
  const Vec2 led{key.center.x - key.half.x + 16, key.center.y};
  const Legend legend = MakeLegend(key, track);

  PaintShape(canvas, cap, BoundsOf(key, 1), [&](Vec2 p, double d) {
    const Vec2 local{(p.x - key.center.x) / key.half.x, (p.y - key.center.y) / key.half.y};
    Rgb color = Mix(Hex(0x686D77), Hex(0x202226), Clamp01(local.y * 0.5 + 0.5));
    color = color + kWhite * (0.02 * BrushedGrain(p.x, static_cast<int>(p.y), 41 + track));
    const double rim = RaisedEdgeLight(d, Normal(cap, p), 4);
    color = color + kWhite * (rim > 0 ? 0.40 * rim : 0.30 * rim);
    // The lit look changes nothing within 1.5 px of the cap's edge: there the mask region ends,
    // and the two looks must meet there without a seam.
    const double inner = Clamp01(-d - 1.5);
    if (lit) {
      const double face = 1 - SmoothStep(0.0, 1.2, Length(local));
      color = color + accent * (0.07 * face * inner);
    }

    const double ledDistance = Length(p - led);
    Rgb ledColor = Mix(accent * 0.42, Hex(0x0C0C0C), 0.4);
    if (lit) ledColor = Mix(accent, kWhite, 0.65 * Clamp01(1 - ledDistance / kLedRadius));
    const double ledGlint = Coverage(Length(p - Vec2{led.x - 1.3, led.y - 1.4}) - 1.0);
    ledColor = ledColor + kWhite * ((lit ? 0.2 : 0.4) * ledGlint);
    const double ledBezel = Coverage(ledDistance - kLedRadius - 1.2);
    color = Mix(color, Hex(0x15161A), ledBezel * inner);
    color = Mix(color, ledColor, Coverage(ledDistance - kLedRadius) * inner);
    if (lit) {
      const double bloom = 1 - SmoothStep(kLedRadius, 12, ledDistance);
      color = color + accent * (0.5 * bloom * bloom * inner);
    }

    const double mark = legend.DistanceAt(p);
    if (lit) {
      const double halo = 1 - SmoothStep(0, 4.5, mark);
      color = color + accent * (0.4 * halo * halo * inner);
      return Mix(color, Mix(accent, kWhite, 0.42), Coverage(mark) * inner);
    }
    const double shadow = Coverage(legend.DistanceAt(p - Vec2{1, 1})) * (1 - Coverage(mark));
    color = color * (1 - 0.35 * shadow);
    // Off, the legend is printed in a pale wash of the track's colour.
    return Mix(color, Mix(Hex(0xB4B9C2), accent, 0.35), Coverage(mark));
  });
}

}  // namespace qv::make_data
