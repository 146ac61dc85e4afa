#pragma once

#include <cstdint>
#include <vector>

#include "tools/make_data/layout.h"

namespace qv::make_data {

// The mask as a 4-bit BMP file, its palette chosen so the parts are easy to tell apart by eye.
std::vector<uint8_t> EncodeMaskImage(const PlayerLayout& layout);

}  // namespace qv::make_data
