#include "tests/e2e/mask_points.h"

#include <algorithm>
#include <vector>

namespace qv::probe {
namespace {

bool IsBody(const SkinMasks& masks, int x, int y) {
  return HitTest(x, y, masks.shape) && !HitTest(x, y, masks.dragHandle) &&
         HitTest(x, y, masks.firstViewportCut) && HitTest(x, y, masks.secondViewportCut) &&
         !HitTest(x, y, masks.firstTrackButton) && !HitTest(x, y, masks.secondTrackButton) &&
         !HitTest(x, y, masks.closeButton);
}

}  // namespace

bool IsRegionName(const std::string& region) {
  return region == "body" || region == "9" || region == "10" || region == "11" || region == "12" ||
         region == "14" || region == "15";
}

bool InRegion(const SkinMasks& masks, const std::string& region, int x, int y) {
  if (region == "body") return IsBody(masks, x, y);
  if (region == "9") return HitTest(x, y, masks.shape) && !HitTest(x, y, masks.firstViewportCut);
  if (region == "12") return HitTest(x, y, masks.shape) && !HitTest(x, y, masks.secondViewportCut);
  if (region == "10") return HitTest(x, y, masks.firstTrackButton);
  if (region == "14") return HitTest(x, y, masks.secondTrackButton);
  if (region == "11") return HitTest(x, y, masks.closeButton);
  if (region == "15") return HitTest(x, y, masks.dragHandle);
  return false;
}

std::optional<Point> DeepestPoint(const SkinMasks& masks, const std::string& region) {
  const int width = masks.width;
  const int height = masks.height;
  // Chessboard distance to the nearest pixel outside the region, in two sweeps.
  std::vector<int> depth(static_cast<size_t>(width * height), 0);
  auto at = [&](int x, int y) -> int& { return depth[static_cast<size_t>(y * width + x)]; };
  auto depthOr0 = [&](int x, int y) {
    return x < 0 || y < 0 || x >= width || y >= height ? 0 : at(x, y);
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!InRegion(masks, region, x, y)) continue;
      at(x, y) = 1 + std::min({depthOr0(x - 1, y), depthOr0(x - 1, y - 1), depthOr0(x, y - 1),
                               depthOr0(x + 1, y - 1)});
    }
  }
  std::optional<Point> deepest;
  int best = 0;
  for (int y = height - 1; y >= 0; --y) {
    for (int x = width - 1; x >= 0; --x) {
      if (at(x, y) == 0) continue;
      at(x, y) = std::min({at(x, y), 1 + depthOr0(x + 1, y), 1 + depthOr0(x + 1, y + 1),
                           1 + depthOr0(x, y + 1), 1 + depthOr0(x - 1, y + 1)});
      if (at(x, y) >= best) {
        best = at(x, y);
        deepest = Point{x, y};
      }
    }
  }
  return deepest;
}

}  // namespace qv::probe
