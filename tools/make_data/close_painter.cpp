#include "tools/make_data/skin_parts.h"

#include <cmath>

#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr Rgb kWhite{1, 1, 1};

double CrossDistance(Vec2 center, double reach, double thickness, Vec2 p) {
  const Vec2 offset = p - center;
  const double a = Distance(Capsule{{-reach, -reach}, {reach, reach}, thickness}, offset);
  const double b = Distance(Capsule{{-reach, reach}, {reach, -reach}, thickness}, offset);
  return std::min(a, b);
}

}  // namespace

void PaintCloseButton(Canvas& canvas, const PlayerLayout& layout, Look look) {
  const Circle& pod = layout.closePod;
  const Circle& cap = layout.closeCap;
  const bool lit = look == Look::kOn;

  // The pod: a turned metal collar, its grain running round in rings.
  const Field podField = [&pod](Vec2 p) { return Distance(pod, p); };
  const Field capField = [&cap](Vec2 p) { return Distance(cap, p); };
  PaintShape(canvas, podField, BoundsOf(pod, 2), [&](Vec2 p, double d) {
    const Vec2 local = (p - pod.center) * (1.0 / pod.radius);
    Rgb color = Mix(Hex(0xCDD1D7), Hex(0x50545B), Clamp01(local.y * 0.5 + 0.5));
    const double ring = Length(p - pod.center);
    color = color + kWhite * ((HashUnit(static_cast<int>(ring * 2.5), 0, 61) - 0.5) * 0.06);
    const double rim = RaisedEdgeLight(d, Normal(podField, p), 3);
    color = color + kWhite * (rim > 0 ? 0.3 * rim : 0.3 * rim);
    const double dc = capField(p);
    const double wall = -Dot(Normal(capField, p), kTowardLight) * Clamp01(1 - dc / 3);
    color = color + kWhite * (0.25 * wall);
    return color * (1 - 0.75 * Clamp01(1.8 - dc));
  });

  const Vec2 c = cap.center;
  const Field cross = [c](Vec2 p) { return CrossDistance(c, 5.2, 1.6, p); };
  PaintShape(canvas, capField, BoundsOf(cap, 1), [&](Vec2 p, double d) {
    const Vec2 local = (p - c) * (1.0 / cap.radius);
    Rgb color = Mix(Hex(0x93302A), Hex(0x3A0E0C), Clamp01(local.y * 0.5 + 0.5));
    const double dome = 1 - SmoothStep(0, 0.55, Length(local - Vec2{-0.35, -0.4}));
    color = color + kWhite * (0.12 * dome);
    const double rim = RaisedEdgeLight(d, Normal(capField, p), 3);
    color = color + kWhite * (rim > 0 ? 0.3 * rim : 0.3 * rim);
    const double inner = Clamp01(-d - 1.5);
    if (lit) color = color + Hex(0xFF4A30) * (0.25 * (1 - Clamp01(Length(local))) * inner);

    const double dx = cross(p);
    if (lit) color = color + Hex(0xFF6040) * (0.5 * (1 - SmoothStep(0, 4.5, dx)) * inner);
    const Rgb mark = lit ? Hex(0xFFE0C8) : Hex(0xE2DAD4);
    const double lip = Coverage(cross(p - Vec2{1, 1}) - 0.2) * (1 - Coverage(dx));
    color = color * (1 - 0.45 * lip);
    return Mix(color, mark, Coverage(dx));
  });
}

}  // namespace qv::make_data
