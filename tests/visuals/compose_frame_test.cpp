#include "visuals/compose_frame.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/mask_plane.h"
#include "tests/support/fake_decoder.h"
#include "tests/support/raster_reference.h"
#include "tests/support/recording_engine.h"

namespace qv {
namespace {

MonoBitmap RandomStencil(int width, int height, std::mt19937& random, int setPercent) {
  MonoBitmap stencil = MakePlane(width, height);
  std::uniform_int_distribution<int> percent(0, 99);
  for (int y = 0; y < height; ++y) {
    // Runs of one value, as a real mask has, with noise between them.
    const bool runRow = percent(random) < 50;
    for (int x = 0; x < width; ++x) {
      const bool set = runRow ? (x / 13) % 3 != 0 : percent(random) < setPercent;
      if (set) stencil.bits[static_cast<size_t>(y * stencil.stride + x / 8)] |= 0x80 >> (x % 8);
    }
  }
  return stencil;
}

// The fused pass equals the raster operations one by one, pixel for pixel, in all three
// modes, at widths that end mid-byte, with offsets inside, across and beyond the picture.
TEST(ComposeLayers, EqualsTheStepByStepRasterOperations) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> offset(-40, 60);
  for (auto [width, height] : {std::pair{37, 9}, std::pair{64, 16}, std::pair{83, 21}}) {
    for (int round = 0; round < 20; ++round) {
      const ColorBitmap off = test::PatternBitmap(width, height, 1u + round);
      const ColorBitmap on = test::PatternBitmap(width, height, 100u + round);
      const ColorBitmap picture = test::PatternBitmap(width + 11, height + 7, 200u + round);
      const MonoBitmap shape = RandomStencil(width, height, random, 80);
      const MonoBitmap keep = RandomStencil(width, height, random, 10);
      const MonoBitmap cut = RandomStencil(width, height, random, 70);
      const int ox = offset(random), oy = offset(random);

      const FrameLayers modes[] = {
          {off, shape},                                        // idle
          {off, shape, &on, &keep, &picture, &cut, ox, oy},    // a track playing
          {off, shape, &on, &keep, &picture, &cut, -ox, -oy},  // and the other way off
      };
      for (const FrameLayers& layers : modes) {
        ColorBitmap fused = test::PatternBitmap(width, height, 999);  // stale content
        ColorBitmap reference = test::PatternBitmap(width, height, 998);
        ComposeLayers(layers, fused);
        test::raster::Compose(layers, reference);
        ASSERT_EQ(fused.pixels, reference.pixels) << width << "x" << height << " round " << round
                                                  << " offset " << layers.ox << "," << layers.oy;
      }
    }
  }
}

TEST(PictureOffset, TruncatesTowardZero) {
  const std::pair<double, int> cases[] = {{12.9, 12}, {-12.9, -12},  {-0.5, 0},
                                          {0.5, 0},   {981.99, 981}, {-30.0, -30}};
  for (auto [coordinate, offset] : cases)
    EXPECT_EQ(PictureOffset(coordinate), offset) << coordinate;
}

// A 6 × 2 window: codes  14 9 9 12 10 1  over  0 9 9 1 1 1.
struct PlayingWindow {
  ColorBitmap off = test::PatternBitmap(6, 2, 1);
  ColorBitmap on = test::PatternBitmap(6, 2, 2);
  ColorBitmap picture = test::PatternBitmap(8, 4, 3);
  MonoBitmap shape = Plane({1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1});
  MonoBitmap secondButton = Plane({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  MonoBitmap firstViewportCut = Plane({1, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1, 1});

  static MonoBitmap Plane(std::initializer_list<int> bits) {
    MonoBitmap plane = MakePlane(6, 2);
    int i = 0;
    for (int bit : bits) {
      if (bit) plane.bits[static_cast<size_t>(i / 6 * plane.stride)] |= 0x80 >> (i % 6);
      ++i;
    }
    return plane;
  }
};

TEST(ComposeFrame, FirstTrackShowsOffButtonTwoPictureInViewportOnSkinElsewhere) {
  PlayingWindow w;
  std::vector<std::string> log;
  test::RecordingEngine engine(log);
  MotionParams motion{0.0, 0.0, 10.0};
  Playlist playlist{engine, motion, {1, 2}, PlayMode::FirstTrack};
  Pictures pictures{w.picture, {}, w.on, w.off};
  SkinBitmaps stencils{w.shape, w.firstViewportCut, {}, {}, w.secondButton};
  // The step moves the pan from (0.5, 1.2) by (1, 1) to (1.5, 2.2): offsets (1, 2).
  std::array<PanState, 2> pans{PanState{0.5, 1.2, 1.0, 1.0, 1, 1}, PanState{}};
  const TickSource tick = [] { return 0u; };
  FrameContext context{pictures, stencils, playlist, pans, motion, tick};

  ColorBitmap frame(6, 2);
  ComposeFrame(context, frame);

  EXPECT_EQ(log, std::vector<std::string>{"pos 1"});
  EXPECT_DOUBLE_EQ(pans[0].x, 1.5);
  EXPECT_EQ(pans[1], PanState{});
  EXPECT_EQ(frame.At(0, 0), w.off.At(0, 0));      // the other track's button
  EXPECT_EQ(frame.At(1, 0), w.picture.At(2, 2));  // viewport: picture at (1 + 1, 0 + 2)
  EXPECT_EQ(frame.At(2, 1), w.picture.At(3, 3));
  for (auto [x, y] : {std::pair{3, 0}, std::pair{4, 0}, std::pair{5, 0}, std::pair{3, 1}}) {
    EXPECT_EQ(frame.At(x, y), w.on.At(x, y)) << x << "," << y;  // on skin, code 10 and 12 too
  }
}

TEST(ComposeFrame, ViewportPixelsOutsideThePictureAreBlack) {
  PlayingWindow w;
  std::vector<std::string> log;
  test::RecordingEngine engine(log);
  MotionParams motion{0.0, 0.0, 10.0};
  Playlist playlist{engine, motion, {1, 2}, PlayMode::FirstTrack};
  Pictures pictures{w.picture, {}, w.on, w.off};
  SkinBitmaps stencils{w.shape, w.firstViewportCut, {}, {}, w.secondButton};
  const TickSource tick = [] { return 0u; };
  for (PanState start : {PanState{-3.0, 0.0, 1.0, 0.0, 1, 1}, PanState{6.0, 0.0, 1.0, 0.0, 1, 1},
                         PanState{0.0, 3.0, 0.0, 1.0, 1, 1}}) {
    std::array<PanState, 2> pans{start, PanState{}};
    FrameContext context{pictures, stencils, playlist, pans, motion, tick};
    ColorBitmap frame = test::PatternBitmap(6, 2, 50);
    ComposeFrame(context, frame);
    // (-2, 0) puts x = 1 at picture column -1; (7, 0) puts x = 1 at column 8; (0, 4) puts
    // every row below the picture.
    EXPECT_EQ(frame.At(1, 0), 0u) << start.x << "," << start.y;
  }
}

TEST(ComposeFrame, IdleReadsNoPositionAndMovesNoPan) {
  PlayingWindow w;
  std::vector<std::string> log;
  test::RecordingEngine engine(log);
  MotionParams motion;
  Playlist playlist{engine, motion};
  Pictures pictures{w.picture, {}, w.on, w.off};
  SkinBitmaps stencils{w.shape, w.firstViewportCut, {}, {}, w.secondButton};
  std::array<PanState, 2> pans{PanState{5, 5, 1, 1, 1, 1}, PanState{7, 7, 1, 1, 1, 1}};
  const std::array<PanState, 2> before = pans;
  const TickSource tick = [] { return 0u; };
  FrameContext context{pictures, stencils, playlist, pans, motion, tick};
  ColorBitmap frame = test::PatternBitmap(6, 2, 50);
  ComposeFrame(context, frame);

  EXPECT_TRUE(log.empty());
  EXPECT_EQ(pans, before);
  EXPECT_EQ(frame.At(0, 1), 0u);
  EXPECT_EQ(frame.At(1, 0), w.off.At(1, 0));
}

}  // namespace
}  // namespace qv
