#include "skin/decode_mask.h"

#include <cstddef>

namespace qv {
namespace {

// x may be the padding pixel x = width of an odd-width row; the stride is a whole number of
// 16-bit words, so for an odd width it always has room for bit x = width.
void SetBit(MaskPlane& plane, int x, int y) {
  const size_t index =
      static_cast<size_t>(y) * static_cast<size_t>(plane.stride) + static_cast<size_t>(x / 8);
  plane.bits[index] |= static_cast<uint8_t>(0x80u >> (x % 8));
}

void SetCodeBits(SkinMasks& masks, int x, int y, int code) {
  if (code != kOutsideCode) SetBit(masks.shape, x, y);
  if (code == kDragHandleCode) SetBit(masks.dragHandle, x, y);
  if (code != kFirstViewportCode) SetBit(masks.firstViewportCut, x, y);
  if (code != kSecondViewportCode) SetBit(masks.secondViewportCut, x, y);
  if (code == kFirstTrackButtonCode) SetBit(masks.firstTrackButton, x, y);
  if (code == kSecondTrackButtonCode) SetBit(masks.secondTrackButton, x, y);
  if (code == kCloseButtonCode) SetBit(masks.closeButton, x, y);
}

bool FitsStoredRows(int width, int height, int rowBytes, std::span<const uint8_t> stored) {
  if (width <= 0 || height <= 0 || rowBytes < (width + 1) / 2) return false;
  return stored.size() / static_cast<size_t>(height) >= static_cast<size_t>(rowBytes);
}

}  // namespace

DecodedMask DecodeMask(int width, int height, int rowBytes, std::span<const uint8_t> stored) {
  DecodedMask decoded;
  if (!FitsStoredRows(width, height, rowBytes, stored)) return decoded;

  SkinMasks& masks = decoded.masks;
  masks.width = width;
  masks.height = height;
  masks.stride = PlaneStride(width);
  for (MaskPlane* plane :
       {&masks.shape, &masks.dragHandle, &masks.firstViewportCut, &masks.secondViewportCut,
        &masks.firstTrackButton, &masks.secondTrackButton, &masks.closeButton}) {
    *plane = MakePlane(width, height);
  }

  // The open run is deliberately not reset per row: with an odd width and a non-zero padding
  // nibble it carries into the next stored row, and the decoding stays literal about that.
  constexpr int kNoRun = -1;
  int runStart = kNoRun;
  for (int r = 0; r < height; ++r) {
    const int y = height - 1 - r;
    const size_t rowOffset = static_cast<size_t>(r) * static_cast<size_t>(rowBytes);
    for (int x = 0; x < width; x += 2) {
      const uint8_t pair = stored[rowOffset + static_cast<size_t>(x / 2)];
      const int codes[2] = {pair >> 4, pair & 0x0F};
      for (int i = 0; i < 2; ++i) {
        const int px = x + i;
        if (codes[i] != kOutsideCode) {
          if (runStart == kNoRun) runStart = px;
        } else if (runStart != kNoRun) {
          decoded.outline.push_back({runStart, y, px, y + 1});
          runStart = kNoRun;
        }
      }
      if (x == width - 2 && runStart != kNoRun) {
        decoded.outline.push_back({runStart, y, width, y + 1});
        runStart = kNoRun;
      }
      SetCodeBits(masks, x, y, codes[0]);
      SetCodeBits(masks, x + 1, y, codes[1]);
    }
  }
  return decoded;
}

}  // namespace qv
