#include "visuals/compose_frame.h"

#include <algorithm>
#include <cstdint>

namespace qv {

void CopyThroughStencil(const ColorBitmap& source, const MonoBitmap& stencil, ColorBitmap& frame) {
  const int width = frame.width;
  for (int y = 0; y < frame.height; ++y) {
    const uint8_t* bits =
        stencil.bits.data() + static_cast<size_t>(y) * static_cast<size_t>(stencil.stride);
    const uint32_t* from = source.Row(y);
    uint32_t* to = frame.Row(y);
    // Eight pixels a stencil byte; whole bytes of one value are a plain copy or a fill.
    for (int x = 0; x < width; x += 8) {
      const uint8_t byte = bits[x / 8];
      const int count = std::min(8, width - x);
      if (byte == 0xFF && count == 8) {
        std::copy(from + x, from + x + 8, to + x);
      } else if (byte == 0) {
        std::fill(to + x, to + x + count, 0u);
      } else {
        for (int i = 0; i < count; ++i)
          to[x + i] = (byte >> (7 - i)) & 1 ? from[x + i] : 0u;
      }
    }
  }
}

void ComposeFrame(FrameContext& context, ColorBitmap& frame) {
  // The off skin through the outline; this writes every pixel, so nothing of an earlier
  // frame can show.
  CopyThroughStencil(context.pictures.skinOff, context.stencils.shape, frame);
}

}  // namespace qv
