#pragma once

#include <cstdint>
#include <vector>

namespace qv {

// One bit per pixel of the mask's size: rows top-down, each `stride` bytes (a multiple of
// two), the leftmost pixel in the most significant bit. It is also the layout of a
// monochrome bitmap, so a plane serves unchanged as a raster stencil.
struct MaskPlane {
  int width = 0;
  int height = 0;
  int stride = 0;
  std::vector<uint8_t> bits;
};

// A monochrome bitmap made from a plane: a set bit is white, a clear bit black.
using MonoBitmap = MaskPlane;

// Bytes per plane row: ceil(width / 16) * 2.
constexpr int PlaneStride(int width) {
  return width <= 0 ? 0 : (width + 15) / 16 * 2;
}

// A plane of the given size with every bit clear.
MaskPlane MakePlane(int width, int height);

// Whether the plane's bit at window pixel (x, y) is set. Positions outside the plane answer
// false, so a caller can never read past its bits.
bool HitTest(int x, int y, const MaskPlane& plane);

}  // namespace qv
