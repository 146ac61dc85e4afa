#include "skin/mask_file.h"

#include <cstddef>
#include <string>
#include <utility>

#include "skin/bmp_layout.h"

namespace qv {
namespace {

int PaletteIndex(std::span<const uint8_t> row, int x, int bitsPerPixel) {
  const size_t at = static_cast<size_t>(x);
  switch (bitsPerPixel) {
    case 1:
      return (row[at / 8] >> (7 - at % 8)) & 1;
    case 4:
      return at % 2 == 0 ? row[at / 2] >> 4 : row[at / 2] & 0x0F;
    default:
      return row[at];
  }
}

}  // namespace

MaskFileResult ParseMaskFile(std::span<const uint8_t> file) {
  BmpLayoutResult read = ReadBmpLayout(file);
  if (!read.layout) return {std::nullopt, std::move(read.error)};
  const BmpPixelLayout& layout = *read.layout;

  MaskBitmap mask;
  mask.width = layout.width;
  mask.height = layout.height;
  mask.rowBytes = (layout.width * 4 + 31) / 32 * 4;
  // Every code is rewritten one nibble at a time, so an odd width's padding nibble and the
  // row's alignment bytes stay 0 whatever the file holds there. A non-zero padding nibble
  // would otherwise keep the last run open into the next row; cleared, an odd-width mask
  // gets the same outline as an even-width one.
  mask.bits.assign(static_cast<size_t>(mask.rowBytes) * static_cast<size_t>(mask.height), 0);

  for (int r = 0; r < layout.height; ++r) {
    const int storedRow = layout.topDown ? layout.height - 1 - r : r;
    const std::span<const uint8_t> row = file.subspan(
        layout.dataOffset + static_cast<size_t>(storedRow) * layout.rowBytes, layout.rowBytes);
    uint8_t* out = mask.bits.data() + static_cast<size_t>(r) * static_cast<size_t>(mask.rowBytes);
    for (int x = 0; x < layout.width; ++x) {
      const int code = PaletteIndex(row, x, layout.bitsPerPixel);
      if (code > 15) {
        return {std::nullopt, "palette index " + std::to_string(code) + " at pixel (" +
                                  std::to_string(x) + ", " + std::to_string(layout.height - 1 - r) +
                                  ") is not a mask code (0 to 15)"};
      }
      out[x / 2] |= static_cast<uint8_t>(x % 2 == 0 ? code << 4 : code);
    }
  }
  return {std::move(mask), {}};
}

}  // namespace qv
