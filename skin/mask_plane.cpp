#include "skin/mask_plane.h"

#include <cstddef>

namespace qv {

MaskPlane MakePlane(int width, int height) {
  MaskPlane plane;
  if (width <= 0 || height <= 0) return plane;
  plane.width = width;
  plane.height = height;
  plane.stride = PlaneStride(width);
  plane.bits.assign(static_cast<size_t>(plane.stride) * static_cast<size_t>(height), 0);
  return plane;
}

bool HitTest(int x, int y, const MaskPlane& plane) {
  if (x < 0 || y < 0 || x >= plane.width || y >= plane.height) return false;
  const size_t index =
      static_cast<size_t>(y) * static_cast<size_t>(plane.stride) + static_cast<size_t>(x / 8);
  // A plane whose bits do not match its size is treated as empty rather than overread.
  if (index >= plane.bits.size()) return false;
  return ((plane.bits[index] >> (7 - x % 8)) & 1) != 0;
}

}  // namespace qv
