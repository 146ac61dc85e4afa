#include "tools/make_data/jpeg_writer.h"

#include <turbojpeg.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace qv::make_data {
namespace {

constexpr int kQuality = 92;

struct CompressorDeleter {
  void operator()(void* handle) const { tjDestroy(handle); }
};
struct JpegBufferDeleter {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

}  // namespace

std::vector<uint8_t> EncodeJpeg(int width, int height, std::span<const uint8_t> rgb) {
  if (width <= 0 || height <= 0 ||
      rgb.size() != static_cast<size_t>(width) * static_cast<size_t>(height) * 3) {
    throw std::invalid_argument("EncodeJpeg: size does not match the pixels");
  }
  const std::unique_ptr<void, CompressorDeleter> compressor(tjInitCompress());
  if (!compressor) throw std::runtime_error("EncodeJpeg: cannot start the compressor");

  unsigned char* raw = nullptr;
  unsigned long size = 0;
  const int status = tjCompress2(compressor.get(), rgb.data(), width, width * 3, height, TJPF_RGB,
                                 &raw, &size, TJSAMP_444, kQuality, TJFLAG_ACCURATEDCT);
  const std::unique_ptr<unsigned char, JpegBufferDeleter> jpeg(raw);
  if (status != 0) {
    throw std::runtime_error(std::string("EncodeJpeg: ") + tjGetErrorStr2(compressor.get()));
  }
  return {jpeg.get(), jpeg.get() + size};
}

}  // namespace qv::make_data
