#pragma once

#include <cstdint>
#include <vector>

#include "tools/make_music/it_module.h"

namespace qv::make_music {

// The bytes of an Impulse Tracker file in sample mode: header, order list ending in 255, absolute
// parapointers, sample headers, packed patterns, then uncompressed signed 16-bit sample data.
// Throws std::invalid_argument when the module cannot be written as described (too many channels,
// a cell naming a missing sample, an order naming a missing pattern, a name too long, ...).
std::vector<uint8_t> WriteItModule(const Module& module);

}  // namespace qv::make_music
