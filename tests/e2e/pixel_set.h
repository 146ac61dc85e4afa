#pragma once

#include <string>
#include <vector>

#include "skin/outline.h"

namespace qv::probe {

// Which pixels of a width × height area a set of rectangles covers. Rectangle lists are
// compared this way because the same shape has many lists.
class PixelSet {
 public:
  PixelSet(int width, int height)
      : width_(width), height_(height), covered_(static_cast<size_t>(width * height), false) {}

  void Add(int left, int top, int right, int bottom);
  bool Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ &&
           covered_[static_cast<size_t>(y * width_ + x)];
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;

 private:
  int width_;
  int height_;
  std::vector<bool> covered_;
};

PixelSet PixelSetOf(const Outline& outline, int width, int height);

// Empty when equal; otherwise how many pixels differ and where the first is.
std::string DescribeDifference(const PixelSet& expected, const PixelSet& actual);

}  // namespace qv::probe
