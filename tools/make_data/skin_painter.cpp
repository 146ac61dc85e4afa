#include "tools/make_data/skin_painter.h"

#include "tools/make_data/mask_codes.h"
#include "tools/make_data/skin_parts.h"

namespace qv::make_data {

Canvas PaintSkin(const PlayerLayout& layout, Look look) {
  Canvas canvas(kSkinWidth, kSkinHeight);
  PaintShell(canvas, layout);
  PaintCrest(canvas, layout, look);
  for (int track = 0; track < 2; ++track) {
    PaintScreen(canvas, layout, track, look);
    PaintTrackKey(canvas, layout, track, look);
  }
  PaintCloseButton(canvas, layout, look);
  PaintFittings(canvas, layout, look);
  // Outside the outline never shows; plain black there keeps the picture's edge clean.
  for (int y = 0; y < kSkinHeight; ++y) {
    for (int x = 0; x < kSkinWidth; ++x) {
      if (MaskCodeAt(layout, {x + 0.5, y + 0.5}) == MaskCode::kOutside) canvas.at(x, y) = {};
    }
  }
  return canvas;
}

}  // namespace qv::make_data
