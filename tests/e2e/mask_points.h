#pragma once

#include <optional>
#include <string>

#include "skin/skin_masks.h"

namespace qv::probe {

struct Point {
  int x = 0;
  int y = 0;
};

// Mask regions by the names the tests use: a code ("15", "10", "14", "11", "9", "12") or
// "body" for the plain body codes.
bool IsRegionName(const std::string& region);
bool InRegion(const SkinMasks& masks, const std::string& region, int x, int y);

// A pixel of the region as far from its edge as any, so that a pointer placed there is
// inside without doubt. Empty when the region has no pixel.
std::optional<Point> DeepestPoint(const SkinMasks& masks, const std::string& region);

}  // namespace qv::probe
