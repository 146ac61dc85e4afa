#pragma once

#include <vector>

namespace qv {

// One run of a mask row: [left, right) × [top, bottom), always one pixel high.
struct OutlineRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const OutlineRect&, const OutlineRect&) = default;
};

// The window's outline: the union of its rectangles, bottom row first. Empty means no
// outline at all, and the window keeps its full rectangle.
using Outline = std::vector<OutlineRect>;

}  // namespace qv
