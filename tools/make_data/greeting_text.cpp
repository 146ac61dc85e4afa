#include <algorithm>
#include <cmath>

#include "tools/make_data/night_parts.h"
#include "tools/make_data/pixel_font.h"
#include "tools/make_data/soft_light.h"

namespace qv::make_data {

// A line of greeting in glowing block letters along the bottom, like an old demo's scroller.
void PaintGreeting(Canvas& canvas) {
  constexpr int kScale = 3;
  constexpr int kGlow = 7;
  constexpr int kLeft = 44;
  constexpr int kTop = 712;
  const TextMask text = SetText("GREETINGS FROM THE COBALT ORBIT", kScale);
  for (int y = -kGlow; y < text.height + kGlow; ++y) {
    for (int x = -kGlow; x < text.width + kGlow; ++x) {
      const int px = kLeft + x;
      const int py = kTop + y;
      if (px < 0 || py < 0 || px >= canvas.width() || py >= canvas.height()) continue;
      double glow = 0;
      for (int dy = -kGlow; dy <= kGlow; ++dy) {
        for (int dx = -kGlow; dx <= kGlow; ++dx) {
          if (text.at(x + dx, y + dy)) glow += Spot(Length({dx * 1.0, dy * 1.0}), 2.6);
        }
      }
      Rgb color = Screen(canvas.at(px, py), Hex(0x3A8CFF) * std::min(glow * 0.05, 0.6));
      if (text.at(x, y)) {
        // Each letter lit brighter at the top, with the faint lines of an old screen.
        const double shine = 1 - 0.35 * (y % kScale == kScale - 1 ? 1 : 0);
        const Rgb face = Mix(Hex(0xE8FBFF), Hex(0x7CCBFF), static_cast<double>(y) / text.height);
        color = face * shine;
      }
      canvas.at(px, py) = color;
    }
  }
}

}  // namespace qv::make_data
