#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace qv::make_data {

// Writes the bytes to the file, replacing it; throws with the file's name when that fails.
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace qv::make_data
