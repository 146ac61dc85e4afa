#pragma once

#include "tools/make_data/canvas.h"

namespace qv::make_data {

inline constexpr int kDuskvaleWidth = 1192;
inline constexpr int kDuskvaleHeight = 712;

// Track 1's picture: a valley at dusk, the sun low between the mountains, a lake below.
Canvas PaintDuskvale();

}  // namespace qv::make_data
