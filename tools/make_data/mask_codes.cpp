#include "tools/make_data/mask_codes.h"

namespace qv::make_data {

MaskCode MaskCodeAt(const PlayerLayout& layout, Vec2 p) {
  if (BodyDistance(layout, p) >= 0) return MaskCode::kOutside;
  if (Distance(layout.screens[0], p) < 0) return MaskCode::kFirstViewport;
  if (Distance(layout.screens[1], p) < 0) return MaskCode::kSecondViewport;
  if (Distance(layout.keys[0], p) < 0) return MaskCode::kFirstTrackButton;
  if (Distance(layout.keys[1], p) < 0) return MaskCode::kSecondTrackButton;
  if (Distance(layout.closeCap, p) < 0) return MaskCode::kCloseButton;
  if (Distance(layout.crest, p) < 0) return MaskCode::kDragHandle;
  if (Distance(Bezel(layout, 0), p) < 0 || Distance(Bezel(layout, 1), p) < 0) {
    return MaskCode::kBezel;
  }
  if (Distance(KeyWell(layout, 0), p) < 0 || Distance(KeyWell(layout, 1), p) < 0) {
    return MaskCode::kKeyWell;
  }
  if (Distance(layout.closePod, p) < 0) return MaskCode::kClosePod;
  if (Distance(CrestMount(layout), p) < 0) return MaskCode::kCrestMount;
  if (Distance(Grommet(layout), p) < 0) return MaskCode::kGrommet;
  return MaskCode::kShell;
}

std::vector<uint8_t> DrawMaskCodes(const PlayerLayout& layout) {
  std::vector<uint8_t> codes;
  codes.reserve(static_cast<size_t>(kSkinWidth) * kSkinHeight);
  for (int y = 0; y < kSkinHeight; ++y) {
    for (int x = 0; x < kSkinWidth; ++x) {
      codes.push_back(static_cast<uint8_t>(MaskCodeAt(layout, {x + 0.5, y + 0.5})));
    }
  }
  return codes;
}

}  // namespace qv::make_data
