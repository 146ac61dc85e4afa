#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "skin/decode_mask.h"
#include "skin/mask_plane.h"
#include "tests/support/bmp_fixture.h"

namespace qv {
namespace {

TEST(HitTestTest, AButtonPixelHitsOnlyItsOwnPlane) {
  const test::StoredRows stored = test::PackStoredRows({{15, 15, 10}, {11, 14, 10}});
  const SkinMasks masks =
      DecodeMask(stored.width, stored.height, stored.rowBytes, stored.bytes).masks;
  EXPECT_TRUE(HitTest(2, 1, masks.firstTrackButton));
  EXPECT_FALSE(HitTest(2, 1, masks.dragHandle));
  EXPECT_FALSE(HitTest(2, 1, masks.secondTrackButton));
  EXPECT_FALSE(HitTest(2, 1, masks.closeButton));
  EXPECT_TRUE(HitTest(1, 0, masks.dragHandle));
  EXPECT_TRUE(HitTest(0, 1, masks.closeButton));
  EXPECT_TRUE(HitTest(1, 1, masks.secondTrackButton));
}

TEST(HitTestTest, PositionsOutsideThePlaneAnswerFalse) {
  // Width 5: the padding pixel x = 5 is set in the viewport cut but lies outside the window.
  const test::StoredRows stored = test::PackStoredRows({{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}});
  const MaskPlane plane =
      DecodeMask(stored.width, stored.height, stored.rowBytes, stored.bytes).masks.firstViewportCut;
  ASSERT_TRUE(HitTest(4, 1, plane));
  const std::pair<int, int> outside[] = {{5, 0},       {-1, 0},      {0, -1},           {0, 2},
                                         {INT_MIN, 0}, {0, INT_MIN}, {INT_MAX, INT_MAX}};
  for (const auto& [x, y] : outside)
    EXPECT_FALSE(HitTest(x, y, plane)) << x << ", " << y;
  EXPECT_FALSE(HitTest(0, 0, MaskPlane{}));
}

}  // namespace
}  // namespace qv
