#pragma once

#include <memory>

#include "platform/image_decoder.h"

namespace qv {

// A JPEG decoder with a decompressor of its own, made when the decoder is made. Null when
// the decompressor cannot be created.
std::unique_ptr<ImageDecoder> MakeTurboJpegDecoder();

}  // namespace qv
