#include "tests/e2e/pixel_set.h"

#include <algorithm>
#include <sstream>

namespace qv::probe {

void PixelSet::Add(int left, int top, int right, int bottom) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
      covered_[static_cast<size_t>(y * width_ + x)] = true;
    }
  }
}

int PixelSet::Count() const {
  return static_cast<int>(std::count(covered_.begin(), covered_.end(), true));
}

PixelSet PixelSetOf(const Outline& outline, int width, int height) {
  PixelSet set(width, height);
  for (const OutlineRect& rect : outline)
    set.Add(rect.left, rect.top, rect.right, rect.bottom);
  return set;
}

std::string DescribeDifference(const PixelSet& expected, const PixelSet& actual) {
  int differing = 0;
  std::string first;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      if (expected.Contains(x, y) == actual.Contains(x, y)) continue;
      if (differing++ == 0) {
        std::ostringstream where;
        where << '(' << x << ", " << y << ") should be "
              << (expected.Contains(x, y) ? "inside" : "outside");
        first = where.str();
      }
    }
  }
  if (differing == 0) return {};
  return std::to_string(differing) + " pixels differ, first at " + first;
}

}  // namespace qv::probe
