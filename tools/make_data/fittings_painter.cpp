#include "tools/make_data/skin_parts.h"

#include <array>
#include <cmath>

#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr Rgb kWhite{1, 1, 1};

// Screw slots at fixed, uneven turns: directions rather than angles, so no trigonometry.
constexpr std::array<Vec2, 6> kSlotTurns = {
    {{0.96, 0.28}, {0.60, 0.80}, {0.28, -0.96}, {0.80, 0.60}, {0.99, -0.14}, {0.71, 0.71}}};

void PaintScrew(Canvas& canvas, const Circle& head, Vec2 turn) {
  const Field field = [&head](Vec2 p) { return Distance(head, p); };
  const Vec2 across{-turn.y, turn.x};
  const double reach = head.radius * 0.7;
  PaintShape(canvas, field, BoundsOf(head, 2), [&](Vec2 p, double d) {
    const Vec2 local = (p - head.center) * (1.0 / head.radius);
    Rgb color = Mix(Hex(0xB9BEC6), Hex(0x4D5158), Clamp01(local.y * 0.5 + 0.5));
    color = color + kWhite * (0.25 * Dot(local, kTowardLight) * (1 - Clamp01(-d / 2)));
    const Vec2 offset = p - head.center;
    const double slotA = Distance(Capsule{turn * -reach, turn * reach, 0.55}, offset);
    const double slotB = Distance(Capsule{across * -reach, across * reach, 0.55}, offset);
    const double slot = Coverage(std::min(slotA, slotB));
    color = Mix(color, Hex(0x1A1B1E), slot);
    // A dark ring where the head meets the shell.
    return color * (1 - 0.5 * Clamp01(1 + d));
  });
}

void PaintPowerLed(Canvas& canvas, Vec2 center, Look look) {
  const Circle ring{center, 5};
  const Circle lens{center, 3};
  const bool lit = look == Look::kOn;
  const Rgb green = Hex(0x7CFFB0);
  if (lit) {
    // Its glow spills on the shell; the shell is lit in the on look everywhere it shows.
    const Circle halo{center, 14};
    PaintShape(
        canvas, [&halo](Vec2 p) { return Distance(halo, p); }, BoundsOf(halo, 1),
        [&](Vec2 p, double) {
          const double fade = 1 - SmoothStep(3, 14, Length(p - center));
          return Mix(canvas.at(static_cast<int>(p.x), static_cast<int>(p.y)), green,
                     0.35 * fade * fade);
        });
  }
  const Field ringField = [&ring](Vec2 p) { return Distance(ring, p); };
  PaintShape(canvas, ringField, BoundsOf(ring, 1), [&](Vec2 p, double d) {
    const double wall = SunkenEdgeLight(d, Normal(ringField, p), 2);
    return Hex(0x101113) + kWhite * (0.25 * std::max(wall, 0.0));
  });
  PaintShape(
      canvas, [&lens](Vec2 p) { return Distance(lens, p); }, BoundsOf(lens, 1),
      [&](Vec2 p, double) {
        const double r = Length(p - center) / lens.radius;
        const Rgb body = lit ? Mix(kWhite, green, Clamp01(r)) : Hex(0x1E3A2A);
        const double glint = Coverage(Length(p - Vec2{center.x - 1, center.y - 1}) - 0.8);
        return body + kWhite * (0.3 * glint);
      });
}

void PaintVent(Canvas& canvas, const Capsule& slot) {
  const Field field = [&slot](Vec2 p) { return Distance(slot, p); };
  const RoundBox bounds{(slot.a + slot.b) * 0.5,
                        {std::abs(slot.b.x - slot.a.x) / 2 + slot.radius,
                         std::abs(slot.b.y - slot.a.y) / 2 + slot.radius},
                        {}};
  PaintShape(canvas, field, BoundsOf(bounds, 2), [&](Vec2 p, double d) {
    const double wall = SunkenEdgeLight(d, Normal(field, p), 1.5);
    return Hex(0x07080A) + kWhite * (wall > 0 ? 0.28 * wall : 0.0);
  });
}

// A column of lamps in a slot, lit from the bottom up to a frozen level: green, then yellow, then
// red at the top.
void PaintMeter(Canvas& canvas, const PlayerLayout& layout, Look look) {
  const RoundBox& slot = layout.meterSlot;
  const Field slotField = [&slot](Vec2 p) { return Distance(slot, p); };
  PaintShape(canvas, slotField, BoundsOf(slot, 2), [&](Vec2 p, double d) {
    const double wall = SunkenEdgeLight(d, Normal(slotField, p), 2.5);
    return Hex(0x0A0B0D) + kWhite * (wall > 0 ? 0.2 * wall : 0.05 * wall);
  });
  const int count = layout.meterSegments;
  const double pitch = (2 * slot.half.y - 6) / count;
  const int litCount = count * 3 / 4;
  for (int i = 0; i < count; ++i) {
    const double share = static_cast<double>(i) / (count - 1);  // 0 at the bottom
    const Rgb lamp = share < 0.6 ? Hex(0x59F08A) : (share < 0.85 ? Hex(0xF2E65A) : Hex(0xFF5540));
    const bool lit = look == Look::kOn && i < litCount;
    const double y = slot.center.y + slot.half.y - 3 - pitch * (i + 0.5);
    const RoundBox segment{{slot.center.x, y}, {slot.half.x - 2, pitch * 0.5 - 1}, {1, 1, 1, 1}};
    PaintShape(
        canvas, [&segment](Vec2 p) { return Distance(segment, p); }, BoundsOf(segment, 1),
        [&](Vec2, double d) {
          if (!lit) return lamp * 0.16 + kWhite * (0.04 * Clamp01(-d));
          const double core = Clamp01(-d / 1.6);
          return Mix(lamp * 0.85, Mix(lamp, kWhite, 0.5), core);
        });
  }
}

void PaintGrommet(Canvas& canvas, const PlayerLayout& layout) {
  const Circle ring = Grommet(layout);
  const Circle& hole = layout.strapHole;
  const Field outer = [&ring](Vec2 p) { return Distance(ring, p); };
  const Field inner = [&hole](Vec2 p) { return Distance(hole, p); };
  PaintShape(canvas, outer, BoundsOf(ring, 2), [&](Vec2 p, double d) {
    const Vec2 local = (p - ring.center) * (1.0 / ring.radius);
    Rgb color = Mix(Hex(0x8D939C), Hex(0x33363C), Clamp01(local.y * 0.5 + 0.5));
    const double rim = RaisedEdgeLight(d, Normal(outer, p), 2.5);
    const double wall = -Dot(Normal(inner, p), kTowardLight) * Clamp01(1 - inner(p) / 2.5);
    return (color + kWhite * (0.3 * rim + 0.25 * wall)) * (1 - 0.6 * Clamp01(1.2 - inner(p)));
  });
}

}  // namespace

void PaintFittings(Canvas& canvas, const PlayerLayout& layout, Look look) {
  for (size_t i = 0; i < layout.screws.size(); ++i) {
    PaintScrew(canvas, layout.screws[i], kSlotTurns[i % kSlotTurns.size()]);
  }
  for (const Capsule& vent : layout.vents)
    PaintVent(canvas, vent);
  PaintPowerLed(canvas, layout.powerLed, look);
  PaintGrommet(canvas, layout);
  PaintMeter(canvas, layout, look);
}

}  // namespace qv::make_data
