#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

// A mask as the decoder takes it: 4-bit codes, rows bottom-up, `rowBytes` bytes per row.
struct MaskBitmap {
  int width = 0;
  int height = 0;
  int rowBytes = 0;
  std::vector<uint8_t> bits;
};

struct MaskFileResult {
  std::optional<MaskBitmap> mask;
  std::string error;  // why the file was refused, when `mask` is empty
};

// Reads a BMP file held in memory as a mask. Never reads outside `file`; refuses malformed
// files and absurd sizes with a one-line reason instead of allocating.
MaskFileResult ParseMaskFile(std::span<const uint8_t> file);

// Reads and parses the file; the reason names the file when it cannot be read.
MaskFileResult ReadMaskFile(const std::filesystem::path& path);

}  // namespace qv
