#pragma once

#include <cstdint>
#include <span>

namespace qv {

inline constexpr int kProgramIcon = 129;
inline constexpr int kIconSize = 32;

// Icon 129: a 32 × 32 picture of the player, 0xAARRGGBB, rows top-down.
std::span<const uint32_t> ProgramIconPixels();

}  // namespace qv
