#pragma once

#include <cstdint>
#include <vector>

#include "tools/make_data/layout.h"

namespace qv::make_data {

// The codes the player reads; the plain-body codes only tell the parts apart for whoever views the
// mask, the player treats them alike.
enum class MaskCode : uint8_t {
  kOutside = 0,
  kShell = 1,
  kBezel = 2,
  kKeyWell = 3,
  kClosePod = 4,
  kCrestMount = 5,
  kGrommet = 6,
  kFirstViewport = 9,
  kFirstTrackButton = 10,
  kCloseButton = 11,
  kSecondViewport = 12,
  kSecondTrackButton = 14,
  kDragHandle = 15,
};

// The code of the pixel whose centre is p. Edges are hard: a pixel belongs wholly to one part.
MaskCode MaskCodeAt(const PlayerLayout& layout, Vec2 p);

// One code per pixel of the skin, rows top-down.
std::vector<uint8_t> DrawMaskCodes(const PlayerLayout& layout);

}  // namespace qv::make_data
