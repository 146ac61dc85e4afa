#include "tools/make_data/skin_parts.h"

#include <cmath>

#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr Rgb kWhite{1, 1, 1};

// A polished bead round the glass: its surface turns outward on the outer half and down
// toward the glass on the inner half, so each half catches the light on opposite sides.
void PaintBezel(Canvas& canvas, const PlayerLayout& layout, int track) {
  const RoundBox bezel = Bezel(layout, track);
  const RoundBox& screen = layout.screens[static_cast<size_t>(track)];
  const Field outer = [&bezel](Vec2 p) { return Distance(bezel, p); };
  const Field inner = [&screen](Vec2 p) { return Distance(screen, p); };
  const double top = bezel.center.y - bezel.half.y;
  const double bottom = bezel.center.y + bezel.half.y;
  PaintShape(canvas, outer, BoundsOf(bezel, 2), [&](Vec2 p, double d) {
    const double ds = inner(p);
    const double across = Clamp01(ds / (ds - d));  // 0 at the glass, 1 at the outer edge
    const double tilt = (across - 0.45) * 1.8;
    const double facing = Dot(Normal(outer, p), kTowardLight) * tilt;
    Rgb color = Mix(Hex(0xA7ADB6), Hex(0x3C4047), SmoothStep(top, bottom, p.y));
    color = color + kWhite * (0.03 * BrushedGrain(p.x, static_cast<int>(p.y), 21 + track));
    color = color + kWhite * (facing > 0 ? 0.34 * facing : 0.26 * facing);
    const double glint = Clamp01(facing * 1.25 - 0.25);
    color = color + kWhite * (0.45 * glint * glint * glint);
    // The dark gasket where the bead meets the glass, and a hairline shadow outside it.
    color = color * (1 - 0.75 * Clamp01(1.4 - ds));
    return color * (1 - 0.35 * Clamp01(1 + d));
  });
}

void PaintGlass(Canvas& canvas, const PlayerLayout& layout, int track, Look look) {
  const RoundBox& screen = layout.screens[static_cast<size_t>(track)];
  const Field glass = [&screen](Vec2 p) { return Distance(screen, p); };
  const Rgb tint = ScreenGlow(track);
  PaintShape(canvas, glass, BoundsOf(screen, 1), [&](Vec2 p, double d) {
    const Vec2 local{(p.x - screen.center.x) / screen.half.x,
                     (p.y - screen.center.y) / screen.half.y};
    Rgb color = Mix(Hex(0x161B24), Hex(0x06070A), Clamp01(local.y * 0.5 + 0.5));
    if (look == Look::kOn) {
      // Standby: the tube warmed up, a faint glow of the track's colour behind scan lines.
      const double glow = 1 - SmoothStep(0.0, 1.2, Length(local));
      color = Hex(0x08090B) + tint * (0.07 + 0.17 * glow);
      if (static_cast<int>(p.y) % 2 == 1) color = color * 0.82;
    }
    // Darker toward the bezel, and in the bezel's shadow along the top and left.
    color = color * (0.72 + 0.28 * SmoothStep(0, 22, -d));
    const double shadow = Clamp01(1 + d / 7) * std::max(0.0, Dot(Normal(glass, p), kTowardLight));
    color = color * (1 - 0.6 * shadow);
    // A curved glare in the upper left and a thin streak below it.
    const double sweep = local.y + 0.55 * local.x + 0.12 * local.x * local.x;
    const double glare = SmoothStep(-0.25, -0.45, sweep) * (1 - SmoothStep(-0.2, 0.4, local.x));
    const double streak = 1 - SmoothStep(0.0, 0.035, std::abs(sweep + 0.05));
    const double streakFade = SmoothStep(-0.9, -0.4, local.x) * (1 - SmoothStep(0.0, 0.5, local.x));
    const double reflection = look == Look::kOn ? 0.6 : 1.0;
    return color + kWhite * (reflection * (0.055 * glare + 0.05 * streak * streakFade));
  });
}

}  // namespace

void PaintScreen(Canvas& canvas, const PlayerLayout& layout, int track, Look look) {
  PaintBezel(canvas, layout, track);
  PaintGlass(canvas, layout, track, look);
}

}  // namespace qv::make_data
