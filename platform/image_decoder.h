#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/bitmap.h"

namespace qv {

// Decodes picture files into colour bitmaps at their own size. Each picture holder owns one
// decoder for its whole life, the way it owns its imaging start-up.
class ImageDecoder {
 public:
  virtual ~ImageDecoder() = default;
  // False when the file is missing or is not a picture this decoder reads.
  virtual bool Decode(const std::filesystem::path& file, ColorBitmap& picture) = 0;
};

using ImageDecoderFactory = std::function<std::unique_ptr<ImageDecoder>()>;

}  // namespace qv
