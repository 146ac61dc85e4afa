#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/bitmap.h"
#include "platform/image_decoder.h"

namespace qv {

// Status codes of the picture holder, in the form its callers have always known them.
using HResult = uint32_t;
inline constexpr HResult S_OK = 0;
inline constexpr HResult E_FAIL = 0x80004005;
inline constexpr HResult E_UNEXPECTED = 0x8000FFFF;

// One picture and the decoder made for it. Started at construction; Loaded after a good
// Load; Failed after a bad one, which drops both the picture and the decoder. Nothing
// leaves Loaded or Failed.
class ImageHolder {
 public:
  explicit ImageHolder(const ImageDecoderFactory& makeDecoder);

  HResult Load(const std::filesystem::path& path);
  // Stretches the whole picture over `rect` of `target`; E_UNEXPECTED without a picture.
  HResult Draw(ColorBitmap& target, DrawRect rect) const;

  bool HasImage() const { return image_.has_value(); }
  bool HasDecoder() const { return decoder_ != nullptr; }

 private:
  std::unique_ptr<ImageDecoder> decoder_;
  std::optional<ColorBitmap> image_;
};

}  // namespace qv
