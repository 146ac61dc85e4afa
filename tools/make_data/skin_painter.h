#pragma once

#include "tools/make_data/canvas.h"
#include "tools/make_data/layout.h"
#include "tools/make_data/look.h"

namespace qv::make_data {

// One look of the whole skin at 500 × 310, black outside the outline.
Canvas PaintSkin(const PlayerLayout& layout, Look look);

}  // namespace qv::make_data
