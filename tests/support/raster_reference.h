#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "skin/mask_plane.h"
#include "visuals/compose_frame.h"

namespace qv::test {

// The frame built the slow way, one whole-frame raster operation after another, exactly as
// the native raster operations define them. The oracle for the fused composition.
namespace raster {

inline bool Bit(const MonoBitmap& stencil, int x, int y) {
  return (stencil.bits[static_cast<size_t>(y) * static_cast<size_t>(stencil.stride) +
                       static_cast<size_t>(x / 8)] >>
          (7 - x % 8)) &
         1;
}

// A stencil as a raster source: a set bit is white (every bit one), a clear bit black.
inline uint32_t Expand(bool bit) {
  return bit ? 0xFFFFFFFFu : 0u;
}

// Masked copy with foreground SRCCOPY and background black (raster code 0x00CC0020).
inline void MaskedCopy(ColorBitmap& frame, const ColorBitmap& source, const MonoBitmap& mask) {
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x)
      frame.Row(y)[x] = Bit(mask, x, y) ? source.At(x, y) : 0u;
  }
}

enum class Rop { SrcInvert, SrcAnd };

inline uint32_t Apply(Rop rop, uint32_t d, uint32_t s) {
  return rop == Rop::SrcInvert ? d ^ s : d & s;
}

// A colour source from point (ox, oy); where the source rectangle reaches outside the source
// bitmap the destination is left as it is.
inline void BitBlt(ColorBitmap& frame, const ColorBitmap& source, int ox, int oy, Rop rop) {
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      const int64_t sx = int64_t{x} + ox, sy = int64_t{y} + oy;
      if (sx < 0 || sy < 0 || sx >= source.width || sy >= source.height) continue;
      uint32_t& d = frame.Row(y)[x];
      d = Apply(rop, d, source.At(static_cast<int>(sx), static_cast<int>(sy)));
    }
  }
}

inline void BitBlt(ColorBitmap& frame, const MonoBitmap& stencil, Rop rop) {
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      uint32_t& d = frame.Row(y)[x];
      d = Apply(rop, d, Expand(Bit(stencil, x, y)));
    }
  }
}

inline void OverlayOutsidePlane(ColorBitmap& frame, const ColorBitmap& source, int ox, int oy,
                                const MonoBitmap& stencil) {
  BitBlt(frame, source, ox, oy, Rop::SrcInvert);
  BitBlt(frame, stencil, Rop::SrcAnd);
  BitBlt(frame, source, ox, oy, Rop::SrcInvert);
}

// The whole frame, layer after layer.
inline void Compose(const FrameLayers& layers, ColorBitmap& frame) {
  MaskedCopy(frame, layers.skinOff, layers.shape);
  if (layers.skinOn && layers.keepOff)
    OverlayOutsidePlane(frame, *layers.skinOn, 0, 0, *layers.keepOff);
  if (layers.picture && layers.viewportCut) {
    OverlayOutsidePlane(frame, *layers.picture, layers.ox, layers.oy, *layers.viewportCut);
  }
}

}  // namespace raster
}  // namespace qv::test
