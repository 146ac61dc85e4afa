#pragma once

#include "platform/bitmap.h"

namespace qv {

// Stretches the whole of `picture` over `rect` of `target`, without keeping its aspect
// ratio; the part of `rect` outside `target` is cut off. Shrinking averages the covered
// area of the picture, enlarging interpolates bilinearly, and an axis at its own size is
// copied exactly. A rect with no area draws nothing.
void DrawScaled(const ColorBitmap& picture, ColorBitmap& target, DrawRect rect);

}  // namespace qv
