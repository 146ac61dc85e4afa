#include "platform/turbojpeg/turbojpeg_decoder.h"

#include <turbojpeg.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace qv {

namespace {

// Pictures far beyond anything the player shows are refused before any memory is taken.
constexpr uintmax_t kMaxFileBytes = 64u << 20;
constexpr int kMaxSide = 16384;
constexpr uint64_t kMaxPixels = 64ull << 20;

struct DecompressorCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using Decompressor = std::unique_ptr<void, DecompressorCloser>;

bool ReadWholeFile(const std::filesystem::path& file, std::vector<unsigned char>& bytes) {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size == 0 || size > kMaxFileBytes) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.resize(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  return static_cast<uintmax_t>(in.gcount()) == size;
}

class TurboJpegDecoder final : public ImageDecoder {
 public:
  explicit TurboJpegDecoder(Decompressor decompressor) : decompressor_(std::move(decompressor)) {}

  bool Decode(const std::filesystem::path& file, ColorBitmap& picture) override {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(file, bytes)) return false;
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(decompressor_.get(), bytes.data(),
                            static_cast<unsigned long>(bytes.size()), &width, &height, &subsampling,
                            &colorspace) != 0) {
      return false;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels) {
      return false;
    }
    ColorBitmap decoded(width, height);
    // Byte order B, G, R, X on a little-endian machine is the 32-bit word 0xXXRRGGBB.
    constexpr int kFormat = std::endian::native == std::endian::little ? TJPF_BGRX : TJPF_XRGB;
    if (tjDecompress2(decompressor_.get(), bytes.data(), static_cast<unsigned long>(bytes.size()),
                      reinterpret_cast<unsigned char*>(decoded.pixels.data()), width,
                      width * static_cast<int>(sizeof(uint32_t)), height, kFormat, 0) != 0) {
      return false;
    }
    // The padding byte is undefined after decoding; the bitmap format wants it zero.
    for (uint32_t& pixel : decoded.pixels)
      pixel &= 0x00FFFFFFu;
    picture = std::move(decoded);
    return true;
  }

 private:
  Decompressor decompressor_;
};

}  // namespace

std::unique_ptr<ImageDecoder> MakeTurboJpegDecoder() {
  Decompressor decompressor(tjInitDecompress());
  if (!decompressor) return nullptr;
  return std::make_unique<TurboJpegDecoder>(std::move(decompressor));
}

}  // namespace qv
