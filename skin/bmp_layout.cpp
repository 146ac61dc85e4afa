#include "skin/bmp_layout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace qv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kV4HeaderSize = 108;
constexpr size_t kV5HeaderSize = 124;

// Little-endian fields; callers have checked that the bytes are inside the file.
uint32_t ReadU32(std::span<const uint8_t> file, size_t at) {
  return static_cast<uint32_t>(file[at]) | static_cast<uint32_t>(file[at + 1]) << 8 |
         static_cast<uint32_t>(file[at + 2]) << 16 | static_cast<uint32_t>(file[at + 3]) << 24;
}

uint16_t ReadU16(std::span<const uint8_t> file, size_t at) {
  return static_cast<uint16_t>(file[at] | file[at + 1] << 8);
}

int32_t ReadI32(std::span<const uint8_t> file, size_t at) {
  return static_cast<int32_t>(ReadU32(file, at));
}

std::string_view CompressionName(uint32_t compression) {
  switch (compression) {
    case 1:
      return "RLE8";
    case 2:
      return "RLE4";
    case 3:
      return "bitfields";
    case 4:
      return "JPEG";
    case 5:
      return "PNG";
    case 6:
      return "alpha bitfields";
    default:
      return "unknown";
  }
}

BmpLayoutResult Refuse(std::string reason) {
  return {std::nullopt, std::move(reason)};
}

}  // namespace

BmpLayoutResult ReadBmpLayout(std::span<const uint8_t> file) {
  const size_t size = file.size();
  if (size >= 2 && (file[0] != 'B' || file[1] != 'M')) return Refuse("not a BMP file (bad magic)");
  if (size < kFileHeaderSize + 4) {
    return Refuse("too short for a BMP file (" + std::to_string(size) + " bytes)");
  }

  const uint32_t headerSize = ReadU32(file, kFileHeaderSize);
  if (headerSize != kInfoHeaderSize && headerSize != kV4HeaderSize && headerSize != kV5HeaderSize) {
    return Refuse("unsupported BMP header size " + std::to_string(headerSize) +
                  " (need 40, 108 or 124)");
  }
  const size_t headersEnd = kFileHeaderSize + headerSize;
  if (size < headersEnd) {
    return Refuse("truncated BMP header (" + std::to_string(size) + " bytes, headers need " +
                  std::to_string(headersEnd) + ")");
  }

  const int32_t width = ReadI32(file, 18);
  const int32_t storedHeight = ReadI32(file, 22);
  const uint16_t planes = ReadU16(file, 26);
  const uint16_t bitsPerPixel = ReadU16(file, 28);
  const uint32_t compression = ReadU32(file, 30);
  const uint32_t dataOffset = ReadU32(file, 10);

  if (planes != 1) return Refuse("invalid plane count " + std::to_string(planes) + " (need 1)");
  if (compression != 0) {
    return Refuse("compressed pixel data (" + std::string(CompressionName(compression)) +
                  ", type " + std::to_string(compression) + ") is not supported");
  }
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8) {
    return Refuse(std::to_string(bitsPerPixel) +
                  " bits per pixel is not supported (need 1, 4 or 8 palette bits)");
  }
  // 64-bit so that the most negative height can be negated.
  const int64_t height = storedHeight < 0 ? -int64_t{storedHeight} : int64_t{storedHeight};
  if (width <= 0 || height == 0) {
    return Refuse("invalid size " + std::to_string(width) + " x " + std::to_string(storedHeight));
  }
  if (width > kMaxMaskDimension || height > kMaxMaskDimension) {
    return Refuse("size " + std::to_string(width) + " x " + std::to_string(height) +
                  " is too large (at most " + std::to_string(kMaxMaskDimension) + " each way)");
  }

  // Both dimensions are at most 2^14, so none of these products can overflow 64 bits.
  const uint64_t rowBytes = (static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  const uint64_t dataBytes = rowBytes * static_cast<uint64_t>(height);
  if (dataOffset < headersEnd) {
    return Refuse("pixel data offset " + std::to_string(dataOffset) + " lies inside the headers");
  }
  if (dataOffset > size) {
    return Refuse("pixel data offset " + std::to_string(dataOffset) +
                  " is past the end of the file (" + std::to_string(size) + " bytes)");
  }
  if (dataBytes > size - dataOffset) {
    return Refuse("truncated pixel data (" + std::to_string(dataBytes) + " bytes at offset " +
                  std::to_string(dataOffset) + ", file has " + std::to_string(size) + ")");
  }

  BmpPixelLayout layout;
  layout.width = width;
  layout.height = static_cast<int>(height);
  layout.topDown = storedHeight < 0;
  layout.bitsPerPixel = bitsPerPixel;
  layout.dataOffset = dataOffset;
  layout.rowBytes = static_cast<size_t>(rowBytes);
  return {layout, {}};
}

}  // namespace qv
