#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// Larger than any module worth playing; a bigger file is a mistake, not music.
constexpr std::size_t kMaxModuleFileBytes = 64u << 20;

// The whole file, or nothing when it cannot be read, is empty or is too large.
std::optional<std::vector<std::byte>> ReadModuleFile(const std::string& path);

}  // namespace qv
