#include "platform/headless/png_file.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

namespace qv {

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
  PutU32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
  PutU32(out, static_cast<uint32_t>(crc));
}

}  // namespace

bool WritePng(const std::filesystem::path& file, const ColorBitmap& bitmap) {
  // Each row: filter type 0, then R, G, B.
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(bitmap.height) * (1 + 3 * static_cast<size_t>(bitmap.width)));
  for (int y = 0; y < bitmap.height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < bitmap.width; ++x) {
      const uint32_t pixel = bitmap.At(x, y);
      raw.push_back(static_cast<uint8_t>(pixel >> 16));
      raw.push_back(static_cast<uint8_t>(pixel >> 8));
      raw.push_back(static_cast<uint8_t>(pixel));
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) !=
      Z_OK) {
    return false;
  }
  packed.resize(packedSize);

  std::vector<uint8_t> header;
  PutU32(header, static_cast<uint32_t>(bitmap.width));
  PutU32(header, static_cast<uint32_t>(bitmap.height));
  header.insert(header.end(),
                {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(out);
}

}  // namespace qv
