#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qv::make_data {

// 0x00RRGGBB, one per palette index.
using Palette16 = std::array<uint32_t, 16>;

// A 4-bit BMP file: BITMAPINFOHEADER, uncompressed, rows bottom-up and padded to four bytes,
// the left pixel in the high nibble. `indices` holds one palette index per pixel, rows top-down.
std::vector<uint8_t> EncodeBmp4(int width, int height, std::span<const uint8_t> indices,
                                const Palette16& palette);

}  // namespace qv::make_data
