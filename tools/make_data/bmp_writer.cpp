#include "tools/make_data/bmp_writer.h"

#include <stdexcept>

namespace qv::make_data {
namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeBmp4(int width, int height, std::span<const uint8_t> indices,
                                const Palette16& palette) {
  if (width <= 0 || height <= 0 ||
      indices.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
    throw std::invalid_argument("EncodeBmp4: size does not match the pixels");
  }
  constexpr uint32_t kFileHeaderBytes = 14;
  constexpr uint32_t kInfoHeaderBytes = 40;
  constexpr uint32_t kPaletteBytes = 16 * 4;
  constexpr uint32_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kPaletteBytes;
  const uint32_t rowBytes = (static_cast<uint32_t>(width) + 7) / 8 * 4;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);

  std::vector<uint8_t> out;
  out.reserve(kPixelOffset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, kPixelOffset + pixelBytes, 4);
  PutLe(out, 0, 4);  // reserved
  PutLe(out, kPixelOffset, 4);

  PutLe(out, kInfoHeaderBytes, 4);
  PutLe(out, static_cast<uint32_t>(width), 4);
  PutLe(out, static_cast<uint32_t>(height), 4);  // positive: rows bottom-up
  PutLe(out, 1, 2);                              // planes
  PutLe(out, 4, 2);                              // bits per pixel
  PutLe(out, 0, 4);                              // BI_RGB
  PutLe(out, pixelBytes, 4);
  PutLe(out, 2835, 4);  // 72 dpi, horizontally and vertically
  PutLe(out, 2835, 4);
  PutLe(out, 16, 4);  // colours used
  PutLe(out, 0, 4);   // all of them important

  for (const uint32_t rgb : palette)
    PutLe(out, rgb & 0xFFFFFFu, 4);  // B, G, R, 0

  for (int y = height - 1; y >= 0; --y) {
    const auto row = indices.subspan(static_cast<size_t>(y) * static_cast<size_t>(width),
                                     static_cast<size_t>(width));
    for (uint32_t i = 0; i < rowBytes; ++i) {
      const size_t x = 2 * static_cast<size_t>(i);
      const uint8_t left = x < row.size() ? row[x] & 0xF : 0;
      const uint8_t right = x + 1 < row.size() ? row[x + 1] & 0xF : 0;
      out.push_back(static_cast<uint8_t>(left << 4 | right));
    }
  }
  return out;
}

}  // namespace qv::make_data
