#include "tests/support/bmp_fixture.h"

namespace qv::test {
namespace {

int RowBytes(int width, int bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

// Writes one row of pixel values at `bitsPerPixel`, most significant bits first.
void PackRow(const std::vector<int>& codes, int bitsPerPixel, int paddingNibble, uint8_t* out) {
  const int width = static_cast<int>(codes.size());
  for (int x = 0; x < width; ++x) {
    const int bit = x * bitsPerPixel;
    const int shift = 8 - bitsPerPixel - bit % 8;
    out[bit / 8] |= static_cast<uint8_t>(codes[static_cast<size_t>(x)] << shift);
  }
  if (bitsPerPixel == 4 && width % 2 == 1) out[width / 2] |= static_cast<uint8_t>(paddingNibble);
}

void PutBytes(std::vector<uint8_t>& file, size_t at, uint32_t value, int count) {
  for (int i = 0; i < count; ++i)
    file[at + static_cast<size_t>(i)] = (value >> (8 * i)) & 0xFF;
}

}  // namespace

void PutU16(std::vector<uint8_t>& file, size_t at, uint16_t value) {
  PutBytes(file, at, value, 2);
}

void PutU32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
  PutBytes(file, at, value, 4);
}

StoredRows PackStoredRows(const CodeRows& rows, int paddingNibble) {
  StoredRows stored;
  stored.height = static_cast<int>(rows.size());
  stored.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  stored.rowBytes = RowBytes(stored.width, 4);
  stored.bytes.assign(static_cast<size_t>(stored.rowBytes * stored.height), 0);
  for (int r = 0; r < stored.height; ++r) {
    PackRow(rows[static_cast<size_t>(stored.height - 1 - r)], 4, paddingNibble,
            stored.bytes.data() + r * stored.rowBytes);
  }
  return stored;
}

std::vector<uint8_t> WriteBmp(const CodeRows& rows, const BmpOptions& options) {
  const int height = static_cast<int>(rows.size());
  const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  const int rowBytes = RowBytes(width, options.bitsPerPixel);
  const size_t paletteBytes = (size_t{1} << options.bitsPerPixel) * 4;
  const size_t dataOffset = 14 + options.infoHeaderSize + paletteBytes;

  std::vector<uint8_t> file(dataOffset + static_cast<size_t>(rowBytes * height), 0);
  file[0] = 'B';
  file[1] = 'M';
  PutU32(file, 2, static_cast<uint32_t>(file.size()));
  PutU32(file, kDataOffsetField, static_cast<uint32_t>(dataOffset));
  PutU32(file, kInfoHeaderSizeField, options.infoHeaderSize);
  PutU32(file, kWidthField, static_cast<uint32_t>(width));
  PutU32(file, kHeightField, static_cast<uint32_t>(options.topDown ? -height : height));
  PutU16(file, kPlanesField, 1);
  PutU16(file, kBitsPerPixelField, static_cast<uint16_t>(options.bitsPerPixel));
  // A grey ramp, so that a mask is readable when viewed; the reader ignores it.
  const size_t paletteEntries = paletteBytes / 4;
  for (size_t i = 0; i < paletteEntries; ++i) {
    const auto grey = static_cast<uint8_t>(i * 255 / (paletteEntries - 1));
    for (size_t c = 0; c < 3; ++c)
      file[14 + options.infoHeaderSize + i * 4 + c] = grey;
  }
  for (int storedRow = 0; storedRow < height; ++storedRow) {
    const int y = options.topDown ? storedRow : height - 1 - storedRow;
    PackRow(rows[static_cast<size_t>(y)], options.bitsPerPixel, options.paddingNibble,
            file.data() + dataOffset + static_cast<size_t>(storedRow * rowBytes));
  }
  return file;
}

}  // namespace qv::test
