// While a track plays, the player shows the on look everywhere but the other track's button,
// which keeps the off look: around each button the on look must equal the off look, or the
// button would sit in a halo of light it does not give.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/make_data/layout.h"
#include "tools/make_data/mask_codes.h"
#include "tools/make_data/skin_painter.h"

namespace qv::make_data {
namespace {

TEST(SkinLooksTest, TrackButtonsLightUpOnlyInsideTheirMaskRegion) {
  const PlayerLayout layout = MakePlayerLayout();
  const std::vector<uint8_t> codes = DrawMaskCodes(layout);
  const std::vector<uint8_t> off = PaintSkin(layout, Look::kOff).ToRgb8();
  const std::vector<uint8_t> on = PaintSkin(layout, Look::kOn).ToRgb8();
  const auto code = [&](int x, int y) {
    return static_cast<MaskCode>(codes[static_cast<size_t>(y * kSkinWidth + x)]);
  };
  const auto same = [&](int x, int y) {
    const size_t at = static_cast<size_t>(y * kSkinWidth + x) * 3;
    return off[at] == on[at] && off[at + 1] == on[at + 1] && off[at + 2] == on[at + 2];
  };

  for (const MaskCode button : {MaskCode::kFirstTrackButton, MaskCode::kSecondTrackButton}) {
    SCOPED_TRACE(static_cast<int>(button));
    int lit = 0;
    int seams = 0;
    for (int y = 0; y < kSkinHeight; ++y) {
      for (int x = 0; x < kSkinWidth; ++x) {
        if (code(x, y) == button && !same(x, y)) ++lit;
        if (code(x, y) == button) continue;
        // Pixels outside the button, within three of it.
        bool near = false;
        for (int dy = -3; dy <= 3 && !near; ++dy) {
          for (int dx = -3; dx <= 3 && !near; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            near =
                nx >= 0 && ny >= 0 && nx < kSkinWidth && ny < kSkinHeight && code(nx, ny) == button;
          }
        }
        if (near && !same(x, y)) ++seams;
      }
    }
    EXPECT_GT(lit, 300) << "the on look should light the button";
    EXPECT_EQ(seams, 0) << "pixels just outside the button differ between the looks";
  }
}

}  // namespace
}  // namespace qv::make_data
