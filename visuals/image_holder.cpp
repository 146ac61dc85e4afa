#include "visuals/image_holder.h"

#include "visuals/picture_scaling.h"

namespace qv {

ImageHolder::ImageHolder(const ImageDecoderFactory& makeDecoder)
    : decoder_(makeDecoder ? makeDecoder() : nullptr) {}

HResult ImageHolder::Load(const std::filesystem::path& path) {
  ColorBitmap picture;
  if (decoder_ && decoder_->Decode(path, picture)) {
    image_ = std::move(picture);
    return S_OK;
  }
  image_.reset();
  decoder_.reset();
  return E_FAIL;
}

HResult ImageHolder::Draw(ColorBitmap& target, DrawRect rect) const {
  if (!image_) return E_UNEXPECTED;
  if (rect.width < 0 || rect.height < 0) return E_FAIL;
  DrawScaled(*image_, target, rect);
  return S_OK;
}

}  // namespace qv
