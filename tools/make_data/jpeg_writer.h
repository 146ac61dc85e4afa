#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qv::make_data {

// A baseline JPEG of 8-bit R, G, B triples (rows top-down): quality 92, no chroma subsampling,
// accurate DCT, so the same pixels always give the same bytes.
std::vector<uint8_t> EncodeJpeg(int width, int height, std::span<const uint8_t> rgb);

}  // namespace qv::make_data
