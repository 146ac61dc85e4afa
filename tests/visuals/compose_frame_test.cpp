#include "visuals/compose_frame.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/mask_plane.h"
#include "tests/support/fake_decoder.h"
#include "tests/support/recording_engine.h"

namespace qv {
namespace {

MonoBitmap RandomStencil(int width, int height, std::mt19937& random) {
  MonoBitmap stencil = MakePlane(width, height);
  for (uint8_t& byte : stencil.bits)
    byte = static_cast<uint8_t>(random());
  // Whole bytes of one value take the fast paths; make sure some are there.
  if (stencil.bits.size() > 4) {
    stencil.bits[0] = 0xFF;
    stencil.bits[1] = 0x00;
  }
  return stencil;
}

// Idle frames: the off skin where the outline's bit is set, black elsewhere, every pixel
// written whatever the buffer held, at widths that end mid-byte and mid-word.
TEST(ComposeFrame, IdleShowsTheOffSkinThroughTheOutlineAndBlackOutside) {
  std::mt19937 random(5);
  std::vector<std::string> log;
  test::RecordingEngine engine(log);
  MotionParams motion;
  Playlist playlist{engine, motion};
  std::array<PanState, 2> pans{};

  for (auto [width, height] : {std::pair{37, 5}, std::pair{16, 3}, std::pair{500, 310}}) {
    Pictures pictures;
    pictures.skinOff = test::PatternBitmap(width, height, 9);
    pictures.skinOn = test::PatternBitmap(width, height, 10);
    SkinBitmaps stencils;
    stencils.shape = RandomStencil(width, height, random);

    ColorBitmap frame = test::PatternBitmap(width, height, 11);  // an earlier frame's leftovers
    FrameContext context{pictures, stencils, playlist, pans, motion};
    const std::array<PanState, 2> pansBefore = pans;
    ComposeFrame(context, frame);

    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const uint32_t expected = HitTest(x, y, stencils.shape) ? pictures.skinOff.At(x, y) : 0u;
        ASSERT_EQ(frame.At(x, y), expected) << width << "x" << height << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(pans, pansBefore);
  }
  EXPECT_TRUE(log.empty()) << "an idle frame never reads the music position";
}

}  // namespace
}  // namespace qv
