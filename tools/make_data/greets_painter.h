#pragma once

#include "tools/make_data/canvas.h"

namespace qv::make_data {

inline constexpr int kGreetsWidth = 1357;
inline constexpr int kGreetsHeight = 765;

// Track 2's picture: a cobalt night with a ringed planet, its moons, stars and nebulae.
Canvas PaintGreets();

}  // namespace qv::make_data
