#pragma once

#include "tools/make_music/it_module.h"

namespace qv::make_music {

// Track 2: spacious synth music in D minor at the same tempo. An intro on one held chord, a
// gentle theme, eight call-and-response orders (a hard riff on rows 3-36, a quiet answer from
// row 37), a breakdown from order 16 row 41, two drops around a calm bridge, and an outro.
Module CobaltOrbit();

}  // namespace qv::make_music
