#include <cmath>

#include "tools/make_data/canvas.h"
#include "tools/make_data/icon.h"
#include "tools/make_data/skin_parts.h"

namespace qv::make_data {
namespace {

// The player shrunk to the icon's width, centred vertically.
constexpr double kScale = 31.0 / kSkinWidth;
constexpr Vec2 kOffset{0.5, (kIconSize - kSkinHeight * kScale) / 2};

// Design units per icon pixel: details grow or shrink by parts of an icon pixel to survive.
constexpr double kIconPixel = 1 / kScale;

Vec2 ToDesign(Vec2 iconPoint) {
  return (iconPoint - kOffset) * kIconPixel;
}

class IconCanvas {
 public:
  IconCanvas() : color_(kIconSize, kIconSize), alpha_(kIconSize * kIconSize, 0.0) {}

  // Fills a shape given by a design-space field, anti-aliased at icon scale.
  template <typename FieldFn, typename ShadeFn>
  void Fill(FieldFn field, ShadeFn shade) {
    for (int y = 0; y < kIconSize; ++y) {
      for (int x = 0; x < kIconSize; ++x) {
        const Vec2 p{x + 0.5, y + 0.5};
        const double coverage = Coverage(field(ToDesign(p)) * kScale);
        if (coverage <= 0) continue;
        color_.Blend(x, y, shade(p), coverage);
        double& a = alpha_[Index(x, y)];
        a = a + (1 - a) * coverage;
      }
    }
  }

  void Set(int x, int y, Rgb color, double opacity = 1) {
    if (alpha_[Index(x, y)] > 0) color_.Blend(x, y, color, opacity);
  }

  std::vector<uint32_t> ToArgb() const {
    std::vector<uint32_t> out;
    out.reserve(alpha_.size());
    for (int y = 0; y < kIconSize; ++y) {
      for (int x = 0; x < kIconSize; ++x) {
        const Rgb c = color_.at(x, y);
        const uint32_t a = ToByte(alpha_[Index(x, y)]);
        out.push_back(a == 0 ? 0u
                             : a << 24 | uint32_t{ToByte(c.r)} << 16 | uint32_t{ToByte(c.g)} << 8 |
                                   ToByte(c.b));
      }
    }
    return out;
  }

 private:
  static size_t Index(int x, int y) { return static_cast<size_t>(y * kIconSize + x); }

  Canvas color_;
  std::vector<double> alpha_;
};

Rgb Vertical(Rgb top, Rgb bottom, double y) {
  return Mix(top, bottom, Clamp01((y - kOffset.y) / (kSkinHeight * kScale)));
}

}  // namespace

std::vector<uint32_t> PaintIcon(const PlayerLayout& layout) {
  IconCanvas icon;
  // The body first; it alone decides where the icon is opaque.
  icon.Fill([&](Vec2 p) { return BodyDistance(layout, p); },
            [](Vec2 p) { return Vertical(Hex(0x4A4F59), Hex(0x17181C), p.y); });
  icon.Fill([&](Vec2 p) { return Distance(layout.crest, p); },
            [](Vec2 p) { return Vertical(Hex(0xD0D5DC), Hex(0x4E535B), (p.y - 7) * 6); });
  icon.Fill([&](Vec2 p) { return Distance(layout.closePod, p); },
            [](Vec2) { return Hex(0xB5BAC2); });
  icon.Fill([&](Vec2 p) { return Distance(Grow(layout.closeCap, 0.5 * kIconPixel), p); },
            [](Vec2) { return Hex(0xE0443A); });
  for (int track = 0; track < 2; ++track) {
    // A bezel a full pixel wide around glass shrunk to make room for it.
    const RoundBox& screen = layout.screens[static_cast<size_t>(track)];
    icon.Fill([&](Vec2 p) { return Distance(Grow(screen, -0.25 * kIconPixel), p); },
              [](Vec2 p) { return Vertical(Hex(0xC3C8CF), Hex(0x4A4E56), p.y); });
    icon.Fill([&](Vec2 p) { return Distance(Grow(screen, -0.95 * kIconPixel), p); },
              [&](Vec2 p) {
                return Mix(Vertical(Hex(0x1C222C), Hex(0x050608), p.y), ScreenGlow(track), 0.18);
              });
    const RoundBox& key = layout.keys[static_cast<size_t>(track)];
    icon.Fill([&](Vec2 p) { return Distance(Grow(key, 0.3 * kIconPixel), p); },
              [&](Vec2) { return TrackAccent(track); });
  }

  // Crisp touches placed by hand at pixel positions: glare on each screen, a hot spot on each
  // button and the close cross, which a straight shrink would blur away.
  const auto pixelOf = [](Vec2 design) {
    const Vec2 p = design * kScale + kOffset;
    return std::pair{static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))};
  };
  for (int track = 0; track < 2; ++track) {
    const RoundBox& screen = layout.screens[static_cast<size_t>(track)];
    const auto [gx, gy] = pixelOf(screen.center - screen.half * 0.55);
    icon.Set(gx, gy, Hex(0xFFFFFF), 0.35);
    icon.Set(gx + 1, gy, Hex(0xFFFFFF), 0.18);
    icon.Set(gx, gy + 1, Hex(0xFFFFFF), 0.18);
    const RoundBox& key = layout.keys[static_cast<size_t>(track)];
    const auto [kx, ky] = pixelOf({key.center.x - key.half.x * 0.6, key.center.y});
    icon.Set(kx, ky, Hex(0xFFFFFF), 0.7);
  }
  const auto [cx, cy] = pixelOf(layout.closeCap.center);
  icon.Set(cx, cy, Hex(0xFFE8E0), 0.9);
  return icon.ToArgb();
}

}  // namespace qv::make_data
