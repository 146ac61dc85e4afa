#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qv {

// Where and how a BMP file keeps its uncompressed, palette-indexed rows, once the headers
// have been checked against the file's size.
struct BmpPixelLayout {
  int width = 0;
  int height = 0;  // always positive
  bool topDown = false;
  int bitsPerPixel = 0;   // 1, 4 or 8
  size_t dataOffset = 0;  // first stored row
  size_t rowBytes = 0;    // bytes per stored row, a multiple of 4
};

struct BmpLayoutResult {
  std::optional<BmpPixelLayout> layout;
  std::string error;
};

// Larger masks are refused before any size is computed from them.
inline constexpr int kMaxMaskDimension = 16384;

// Reads and checks the file and info headers; every stored row it promises lies inside `file`.
BmpLayoutResult ReadBmpLayout(std::span<const uint8_t> file);

}  // namespace qv
