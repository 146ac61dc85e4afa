#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv::test {

// Mask codes by window row, top row first; every row has the same length.
using CodeRows = std::vector<std::vector<int>>;

// The stored rows DecodeMask takes: 4-bit codes, bottom row first, rows padded to 4 bytes.
struct StoredRows {
  int width = 0;
  int height = 0;
  int rowBytes = 0;
  std::vector<uint8_t> bytes;  // exactly height * rowBytes, so an overread is caught
};

// `paddingNibble` fills the unused low nibble that ends every row of an odd width.
StoredRows PackStoredRows(const CodeRows& rows, int paddingNibble = 0);

struct BmpOptions {
  int bitsPerPixel = 4;  // 1, 4 or 8; the pixel values are the codes
  bool topDown = false;  // a negative height, rows stored top row first
  uint32_t infoHeaderSize = 40;
  int paddingNibble = 0;  // 4-bit files of odd width only
};

// A complete BMP file, exactly as long as its headers, colour table and rows.
std::vector<uint8_t> WriteBmp(const CodeRows& rows, const BmpOptions& options = {});

// Header fields a test corrupts.
inline constexpr size_t kDataOffsetField = 10;
inline constexpr size_t kInfoHeaderSizeField = 14;
inline constexpr size_t kWidthField = 18;
inline constexpr size_t kHeightField = 22;
inline constexpr size_t kPlanesField = 26;
inline constexpr size_t kBitsPerPixelField = 28;
inline constexpr size_t kCompressionField = 30;

void PutU16(std::vector<uint8_t>& file, size_t at, uint16_t value);
void PutU32(std::vector<uint8_t>& file, size_t at, uint32_t value);

}  // namespace qv::test
