#include "skin/decode_mask.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "skin/mask_plane.h"
#include "tests/support/bmp_fixture.h"

namespace qv {
namespace {

using test::CodeRows;
using test::PackStoredRows;
using test::StoredRows;

DecodedMask Decode(const StoredRows& stored) {
  return DecodeMask(stored.width, stored.height, stored.rowBytes, stored.bytes);
}

// Reads any bit of a row's stride, including the padding bits HitTest refuses.
bool RawBit(const MaskPlane& plane, int x, int y) {
  return (plane.bits.at(static_cast<size_t>(y * plane.stride + x / 8)) >> (7 - x % 8)) & 1;
}

struct OutlineCase {
  std::string name;
  CodeRows rows;
  Outline expected;
};

TEST(DecodeMaskTest, OutlineIsEachRowsRunsBottomRowFirst) {
  const OutlineCase cases[] = {
      {"two rows of separate runs",
       {{0, 1, 1, 0}, {1, 0, 0, 1}},
       {{0, 1, 1, 2}, {3, 1, 4, 2}, {1, 0, 3, 1}}},
      {"a zero closes a run, the row end the last",
       {{0, 3, 3, 0, 9, 9}},
       {{1, 0, 3, 1}, {4, 0, 6, 1}}},
      {"solid block, one rectangle a row",
       {{5, 5, 5, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}},
       {{0, 2, 4, 3}, {0, 1, 4, 2}, {0, 0, 4, 1}}},
      {"odd width closed by the zero padding nibble",
       {{1, 2, 3, 4, 5}, {15, 14, 12, 11, 10}},
       {{0, 1, 5, 2}, {0, 0, 5, 1}}},
      {"odd width run ending at the last pixel", {{0, 0, 7}}, {{2, 0, 3, 1}}},
      {"width one", {{4}, {0}, {4}}, {{0, 2, 1, 3}, {0, 0, 1, 1}}},
      {"all zero", {{0, 0, 0}, {0, 0, 0}}, {}},
  };
  for (const OutlineCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedMask decoded = Decode(PackStoredRows(c.rows));
    EXPECT_EQ(decoded.outline, c.expected);
    for (size_t y = 0; y < c.rows.size(); ++y) {
      for (size_t x = 0; x < c.rows[y].size(); ++x) {
        EXPECT_EQ(HitTest(static_cast<int>(x), static_cast<int>(y), decoded.masks.shape),
                  c.rows[y][x] != 0)
            << "shape at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(DecodeMaskTest, EachCodeSetsItsPlanes) {
  // Columns: shape, dragHandle, firstViewportCut, secondViewportCut, firstTrackButton,
  // secondTrackButton, closeButton.
  using Bits = std::array<bool, 7>;
  const std::array<Bits, 16> expected = {{
      {0, 0, 1, 1, 0, 0, 0},  // 0 outside
      {1, 0, 1, 1, 0, 0, 0},  // 1
      {1, 0, 1, 1, 0, 0, 0},  // 2
      {1, 0, 1, 1, 0, 0, 0},  // 3
      {1, 0, 1, 1, 0, 0, 0},  // 4
      {1, 0, 1, 1, 0, 0, 0},  // 5
      {1, 0, 1, 1, 0, 0, 0},  // 6
      {1, 0, 1, 1, 0, 0, 0},  // 7
      {1, 0, 1, 1, 0, 0, 0},  // 8
      {1, 0, 0, 1, 0, 0, 0},  // 9 first viewport
      {1, 0, 1, 1, 1, 0, 0},  // 10 first-track button
      {1, 0, 1, 1, 0, 0, 1},  // 11 close button
      {1, 0, 1, 0, 0, 0, 0},  // 12 second viewport
      {1, 0, 1, 1, 0, 0, 0},  // 13
      {1, 0, 1, 1, 0, 1, 0},  // 14 second-track button
      {1, 1, 1, 1, 0, 0, 0},  // 15 drag handle
  }};
  CodeRows rows(1);
  for (int code = 0; code < 16; ++code)
    rows[0].push_back(code);
  const SkinMasks masks = Decode(PackStoredRows(rows)).masks;
  EXPECT_EQ(masks.width, 16);
  EXPECT_EQ(masks.height, 1);
  EXPECT_EQ(masks.stride, 2);

  const std::array<const MaskPlane*, 7> planes = {&masks.shape,
                                                  &masks.dragHandle,
                                                  &masks.firstViewportCut,
                                                  &masks.secondViewportCut,
                                                  &masks.firstTrackButton,
                                                  &masks.secondTrackButton,
                                                  &masks.closeButton};
  for (int code = 0; code < 16; ++code) {
    for (size_t p = 0; p < planes.size(); ++p) {
      EXPECT_EQ(HitTest(code, 0, *planes[p]), expected[static_cast<size_t>(code)][p])
          << "code " << code << ", plane " << p;
    }
  }
}

TEST(DecodeMaskTest, PlaneRowsAreTopDownWithTheLeftmostPixelInTheHighBit) {
  // Width 17 needs two 16-bit words a row; only (0, 0) and (9, 1) are inside the window.
  CodeRows rows(2, std::vector<int>(17, 0));
  rows[0][0] = 1;
  rows[1][9] = 1;
  const SkinMasks masks = Decode(PackStoredRows(rows)).masks;
  ASSERT_EQ(masks.stride, 4);
  EXPECT_EQ(masks.shape.bits, (std::vector<uint8_t>{0x80, 0, 0, 0, 0, 0x40, 0, 0}));
}

TEST(DecodeMaskTest, PlaneStrideIsWholeWords) {
  const std::array<std::pair<int, int>, 8> cases = {
      {{0, 0}, {1, 2}, {16, 2}, {17, 4}, {32, 4}, {33, 6}, {500, 64}, {-3, 0}}};
  for (const auto& [width, stride] : cases)
    EXPECT_EQ(PlaneStride(width), stride) << width;
}

// The padding pixel of an odd width is decoded as x = width; its bits must land inside the
// row's own stride (ASan watches the plane buffers).
TEST(DecodeMaskTest, OddWidthPaddingPixelStaysInsideItsRow) {
  for (int width : {1, 15, 17, 31, 33, 499}) {
    SCOPED_TRACE("width " + std::to_string(width));
    const CodeRows rows(3, std::vector<int>(static_cast<size_t>(width), 15));
    const SkinMasks masks = Decode(PackStoredRows(rows)).masks;
    ASSERT_EQ(masks.firstViewportCut.bits.size(), static_cast<size_t>(masks.stride * 3));
    for (int y = 0; y < 3; ++y) {
      // Code 0 there: set in the viewport cuts, clear in the shape, nothing further right.
      EXPECT_TRUE(RawBit(masks.firstViewportCut, width, y));
      EXPECT_TRUE(RawBit(masks.secondViewportCut, width, y));
      EXPECT_FALSE(RawBit(masks.shape, width, y));
      for (int x = width + 1; x < masks.stride * 8; ++x) {
        EXPECT_FALSE(RawBit(masks.firstViewportCut, x, y)) << x;
      }
    }
  }
}

// Fed straight to the decoder, a non-zero padding nibble is an ordinary code at x = width:
// the open run is not closed at the row end and carries into the next stored row (the one
// above), where the next code 0 closes it with that row's x and y. A run still open after
// the last row is dropped. The mask reader clears the nibble so files never get here.
TEST(DecodeMaskTest, NonZeroPaddingNibbleCarriesTheOpenRunLiterally) {
  const struct {
    std::string name;
    CodeRows rows;
    int padding;
    Outline expected;
  } cases[] = {
      {"a single full row is never closed", {{1, 1, 1}}, 1, {}},
      {"the bottom row's run ends on the row above", {{2, 0, 2}, {2, 2, 2}}, 2, {{0, 0, 1, 1}}},
      {"a run opened by the padding pixel closes with left > right",
       {{0, 0, 0}, {1, 0, 0}},
       7,
       {{0, 1, 1, 2}, {3, 0, 0, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Decode(PackStoredRows(c.rows, c.padding)).outline, c.expected);
  }
}

TEST(DecodeMaskTest, StoredRowsThatDoNotFitGiveAnEmptyMask) {
  const StoredRows stored = PackStoredRows({{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}});
  const std::vector<uint8_t> short_by_one(stored.bytes.begin(), stored.bytes.end() - 1);
  const DecodedMask cases[] = {
      DecodeMask(stored.width, stored.height, stored.rowBytes, short_by_one),
      DecodeMask(stored.width, stored.height, 2, stored.bytes),  // a row needs 3 bytes
      DecodeMask(0, 0, 0, {}),
      DecodeMask(-5, 2, stored.rowBytes, stored.bytes),
  };
  for (const DecodedMask& decoded : cases) {
    EXPECT_TRUE(decoded.outline.empty());
    EXPECT_EQ(decoded.masks.width, 0);
    EXPECT_EQ(decoded.masks.stride, 0);
    EXPECT_TRUE(decoded.masks.shape.bits.empty());
  }
}

}  // namespace
}  // namespace qv
