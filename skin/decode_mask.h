#pragma once

#include <cstdint>
#include <span>

#include "skin/outline.h"
#include "skin/skin_masks.h"

namespace qv {

struct DecodedMask {
  Outline outline;
  SkinMasks masks;
};

// Turns the stored 4-bit codes of a mask (rows bottom-up, `rowBytes` apart, two pixels a
// byte, high nibble first) into the outline rectangles and the seven planes, in one pass.
// `stored` must hold at least height × rowBytes bytes and rowBytes must cover the row's
// pixel bytes; the mask reader guarantees both. Anything else, or a size of 0, gives an
// empty outline and empty planes rather than a read outside `stored`.
DecodedMask DecodeMask(int width, int height, int rowBytes, std::span<const uint8_t> stored);

}  // namespace qv
