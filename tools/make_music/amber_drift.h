#pragma once

#include "tools/make_music/it_module.h"

namespace qv::make_music {

// Track 1: warm house in A minor, 125 beats a minute, four rows a beat. Its sections sit where
// the picture's moves are keyed: the hush from order 5 row 105, the drop at order 6, the accented
// hits of orders 10 to 13, the race of order 14, the climax from order 17 row 81 and the outro
// from order 19 row 25.
Module AmberDrift();

}  // namespace qv::make_music
