#pragma once

#include <cstdint>
#include <vector>

#include "tools/make_data/layout.h"

namespace qv::make_data {

inline constexpr int kIconSize = 32;

// The program icon, 32 × 32 pixels of 0xAARRGGBB, rows top-down, transparent outside the player.
std::vector<uint32_t> PaintIcon(const PlayerLayout& layout);

// The icon as a C++ fragment of 1024 comma-separated literals, for the resources to include.
std::vector<uint8_t> EncodeIconInclude(const PlayerLayout& layout);

}  // namespace qv::make_data
