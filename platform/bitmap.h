#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

// A colour bitmap: 32-bit XRGB pixels (0x00RRGGBB), rows top-down without padding.
// The skins, the track pictures and the frame buffer all share this one format, so
// composing a frame is plain copying and bit operations on 32-bit words.
struct ColorBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  ColorBitmap() = default;
  // A new bitmap starts black; that is what shows where no picture was drawn into it.
  ColorBitmap(int w, int h)
      : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), 0u) {}

  uint32_t* Row(int y) {
    return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
  }
  const uint32_t* Row(int y) const {
    return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
  }
  uint32_t At(int x, int y) const { return Row(y)[x]; }
};

// A rectangle as x, y, width, height (the form in which pictures are drawn).
struct DrawRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

}  // namespace qv
