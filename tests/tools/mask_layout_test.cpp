// Checks the committed mask, read the way the player reads it, against the promises its layout
// makes: the size, one blob per control, viewports where the pictures expect them, buttons big
// enough to hit, and a shaped outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/decode_mask.h"
#include "skin/mask_file.h"

namespace qv {
namespace {

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;  // inclusive
  int bottom = 0;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

using PixelTest = std::function<bool(const SkinMasks&, int x, int y)>;

struct Region {
  long pixels = 0;
  Box bounds;
  int blobs = 0;
};

// Gathers the pixels that pass `test`, their bounds and how many 4-connected blobs they form.
Region Collect(const SkinMasks& masks, const PixelTest& test) {
  const int w = masks.width;
  const int h = masks.height;
  std::vector<char> member(static_cast<size_t>(w * h), 0);
  Region region{0, {w, h, -1, -1}, 0};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!test(masks, x, y)) continue;
      member[static_cast<size_t>(y * w + x)] = 1;
      ++region.pixels;
      region.bounds = {std::min(region.bounds.left, x), std::min(region.bounds.top, y),
                       std::max(region.bounds.right, x), std::max(region.bounds.bottom, y)};
    }
  }
  std::vector<int> stack;
  for (int start = 0; start < w * h; ++start) {
    if (member[static_cast<size_t>(start)] != 1) continue;
    ++region.blobs;
    member[static_cast<size_t>(start)] = 2;
    stack.push_back(start);
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const int x = at % w;
      const int y = at / w;
      const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : neighbours) {
        if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) continue;
        const int next = n[1] * w + n[0];
        if (member[static_cast<size_t>(next)] != 1) continue;
        member[static_cast<size_t>(next)] = 2;
        stack.push_back(next);
      }
    }
  }
  return region;
}

bool FirstViewport(const SkinMasks& m, int x, int y) {
  return !HitTest(x, y, m.firstViewportCut);
}
bool SecondViewport(const SkinMasks& m, int x, int y) {
  return !HitTest(x, y, m.secondViewportCut);
}
bool FirstButton(const SkinMasks& m, int x, int y) {
  return HitTest(x, y, m.firstTrackButton);
}
bool SecondButton(const SkinMasks& m, int x, int y) {
  return HitTest(x, y, m.secondTrackButton);
}
bool CloseButton(const SkinMasks& m, int x, int y) {
  return HitTest(x, y, m.closeButton);
}
bool DragHandle(const SkinMasks& m, int x, int y) {
  return HitTest(x, y, m.dragHandle);
}
bool PlainBody(const SkinMasks& m, int x, int y) {
  return HitTest(x, y, m.shape) && !FirstViewport(m, x, y) && !SecondViewport(m, x, y) &&
         !FirstButton(m, x, y) && !SecondButton(m, x, y) && !CloseButton(m, x, y) &&
         !DragHandle(m, x, y);
}

class CommittedMaskTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const MaskFileResult file = ReadMaskFile("data/mask.bmp");
    error_ = file.error;
    if (!file.mask) return;
    const MaskBitmap& bitmap = *file.mask;
    masks_ = DecodeMask(bitmap.width, bitmap.height, bitmap.rowBytes, bitmap.bits).masks;
  }
  void SetUp() override { ASSERT_TRUE(masks_) << error_; }
  static const SkinMasks& masks() { return *masks_; }

 private:
  static inline std::optional<SkinMasks> masks_;
  static inline std::string error_;
};

TEST_F(CommittedMaskTest, HasTheSizeTheSkinsAreDrawnAt) {
  EXPECT_EQ(masks().width, 500);
  EXPECT_EQ(masks().height, 310);
}

TEST_F(CommittedMaskTest, EachControlIsOneBlobInItsPlace) {
  struct Case {
    std::string name;
    PixelTest test;
    std::optional<Box> within;  // where every pixel must lie
    int minWidth;
    int minHeight;
  };
  const std::vector<Case> cases = {
      // The viewports fill most of the boxes the pictures are panned for.
      {"first viewport", FirstViewport, Box{30, 61, 209, 261}, 160, 180},
      {"second viewport", SecondViewport, Box{247, 41, 459, 244}, 190, 180},
      {"first track button", FirstButton, std::nullopt, 30, 20},
      {"second track button", SecondButton, std::nullopt, 30, 20},
      {"close button", CloseButton, std::nullopt, 30, 20},
      {"drag handle", DragHandle, std::nullopt, 30, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Region region = Collect(masks(), c.test);
    ASSERT_GT(region.pixels, 0);
    EXPECT_EQ(region.blobs, 1);
    EXPECT_GE(region.bounds.width(), c.minWidth);
    EXPECT_GE(region.bounds.height(), c.minHeight);
    if (c.within) {
      EXPECT_GE(region.bounds.left, c.within->left);
      EXPECT_GE(region.bounds.top, c.within->top);
      EXPECT_LE(region.bounds.right, c.within->right);
      EXPECT_LE(region.bounds.bottom, c.within->bottom);
      EXPECT_GE(region.pixels, c.within->width() * c.within->height() * 8 / 10);
    }
  }
}

TEST_F(CommittedMaskTest, HasPlainBodyAroundTheControls) {
  const Region body = Collect(masks(), PlainBody);
  EXPECT_EQ(body.blobs, 1);
  EXPECT_GT(body.pixels, 500 * 310 / 10);
}

TEST_F(CommittedMaskTest, OutlineIsShapedNotARectangle) {
  // Each row's span of window pixels, and whether it has a gap inside it.
  std::vector<std::pair<int, int>> spans;
  bool someRowHasAGap = false;
  for (int y = 0; y < masks().height; ++y) {
    int first = -1;
    int last = -1;
    int count = 0;
    for (int x = 0; x < masks().width; ++x) {
      if (!HitTest(x, y, masks().shape)) continue;
      if (first < 0) first = x;
      last = x;
      ++count;
    }
    if (first >= 0) {
      spans.emplace_back(first, last);
      someRowHasAGap = someRowHasAGap || count != last - first + 1;
    }
  }
  ASSERT_FALSE(spans.empty());
  const bool rowsDiffer =
      std::any_of(spans.begin(), spans.end(), [&](const auto& s) { return s != spans.front(); });
  EXPECT_TRUE(rowsDiffer || someRowHasAGap);
  EXPECT_EQ(
      Collect(masks(), [](const SkinMasks& m, int x, int y) { return HitTest(x, y, m.shape); })
          .blobs,
      1);
}

}  // namespace
}  // namespace qv
