#include "visuals/picture_scaling.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/fake_decoder.h"

namespace qv {
namespace {

using ::testing::ElementsAreArray;

ColorBitmap GreyRow(std::vector<uint32_t> levels) {
  ColorBitmap row(static_cast<int>(levels.size()), 1);
  for (size_t i = 0; i < levels.size(); ++i)
    row.pixels[i] = levels[i] * 0x010101u;
  return row;
}

std::vector<uint32_t> Levels(const ColorBitmap& row) {
  std::vector<uint32_t> levels;
  for (uint32_t pixel : row.pixels)
    levels.push_back(pixel & 0xFF);
  return levels;
}

struct Resample {
  const char* name;
  std::vector<uint32_t> from;
  int toWidth;
  std::vector<uint32_t> expected;
};

class ResampleRow : public ::testing::TestWithParam<Resample> {};

// Nearest-neighbour would give 0, 0, 255, 255 when doubling and 0, 0, 255 when shrinking to
// three: these values show a real filter.
TEST_P(ResampleRow, GivesTheFilteredLevels) {
  const Resample& r = GetParam();
  ColorBitmap target(r.toWidth, 1);
  DrawScaled(GreyRow(r.from), target, DrawRect{0, 0, r.toWidth, 1});
  EXPECT_THAT(Levels(target), ElementsAreArray(r.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ResampleRow,
    ::testing::Values(Resample{"BilinearWhenEnlarging", {0, 255}, 4, {0, 64, 191, 255}},
                      Resample{"AreaAverageWhenHalving", {0, 100, 200, 255}, 2, {50, 228}},
                      Resample{"AreaAverageAtAThirdOff", {0, 0, 255, 255}, 3, {0, 128, 255}},
                      Resample{"ExactAtItsOwnSize", {3, 1, 4, 1, 5}, 5, {3, 1, 4, 1, 5}}),
    [](const ::testing::TestParamInfo<Resample>& info) { return info.param.name; });

TEST(DrawScaled, ShiftsNoColourAndLeavesNoGapAtAnyScale) {
  ColorBitmap flat(596, 356);
  std::fill(flat.pixels.begin(), flat.pixels.end(), 0x00C08040u);
  for (DrawRect rect :
       {DrawRect{0, 0, 1192, 712}, DrawRect{0, 0, 300, 97}, DrawRect{0, 0, 1357, 200}}) {
    ColorBitmap target(rect.width, rect.height);
    DrawScaled(flat, target, rect);
    EXPECT_EQ(std::count(target.pixels.begin(), target.pixels.end(), 0x00C08040u),
              static_cast<long>(target.pixels.size()))
        << rect.width << "x" << rect.height;
  }
}

TEST(DrawScaled, ExactSizeIsACopyAndChannelsStayApart) {
  const ColorBitmap picture = test::PatternBitmap(7, 5, 1);
  ColorBitmap target(7, 5);
  DrawScaled(picture, target, DrawRect{0, 0, 7, 5});
  EXPECT_EQ(target.pixels, picture.pixels);

  // A pure red pixel never bleeds into green or blue, whatever the filter does.
  ColorBitmap red(2, 1);
  red.pixels = {0x00FF0000u, 0x00000000u};
  ColorBitmap out(5, 3);
  DrawScaled(red, out, DrawRect{0, 0, 5, 3});
  for (uint32_t pixel : out.pixels)
    EXPECT_EQ(pixel & 0x0000FFFFu, 0u);
}

TEST(DrawScaled, CutsOffWhatFallsOutsideTheTargetAndKeepsTheRest) {
  const ColorBitmap picture = test::PatternBitmap(6, 4, 2);
  ColorBitmap small(4, 3);  // a target smaller than the rectangle
  DrawScaled(picture, small, DrawRect{0, 0, 6, 4});
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(small.At(x, y), picture.At(x, y));
  }

  ColorBitmap large(8, 6);  // beyond the rectangle the target keeps its black
  DrawScaled(picture, large, DrawRect{0, 0, 6, 4});
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (x >= 6 || y >= 4) {
        EXPECT_EQ(large.At(x, y), 0u);
      }
    }
  }

  ColorBitmap shifted(6, 4);  // a rectangle hanging off the top-left
  DrawScaled(picture, shifted, DrawRect{-2, -1, 6, 4});
  EXPECT_EQ(shifted.At(0, 0), picture.At(2, 1));
  EXPECT_EQ(shifted.At(3, 2), picture.At(5, 3));
  EXPECT_EQ(shifted.At(5, 3), 0u);
}

}  // namespace
}  // namespace qv
