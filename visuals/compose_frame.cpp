#include "visuals/compose_frame.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "visuals/cue_script.h"

namespace qv {

namespace {

const uint8_t* StencilRow(const MonoBitmap& stencil, int y) {
  return stencil.bits.data() + static_cast<size_t>(y) * static_cast<size_t>(stencil.stride);
}

// 64 stencil bits from `byte` on, the leftmost pixel in the top bit; bytes at or past
// `available` read as zero, so a row's last word never reads beyond the row.
uint64_t LoadWord(const uint8_t* bits, int byte, int available) {
  uint64_t word = 0;
  if (byte + 8 <= available) {
    std::memcpy(&word, bits + byte, sizeof word);
  } else {
    std::memcpy(&word, bits + byte, static_cast<size_t>(available - byte));
  }
  return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
}

// The first x in [from, end) whose stencil bit is kSet, or end: a word of 64 pixels at a
// time, since stencils are long runs of one value.
template <bool kSet>
int FindBit(const uint8_t* bits, int from, int end) {
  const int available = (end + 7) / 8;
  for (int x = from; x < end;) {
    const int wordStart = x & ~63;
    uint64_t word = LoadWord(bits, wordStart / 8, available);
    if constexpr (!kSet) word = ~word;
    word &= ~uint64_t{0} >> (x - wordStart);
    if (word != 0) return std::min(end, wordStart + std::countl_zero(word));
    x = wordStart + 64;
  }
  return end;
}

// Calls layRun(runBegin, runEnd) for every run in [begin, end) whose stencil bit is kSet.
template <bool kSet, typename LayRun>
void ForEachRun(const uint8_t* bits, int begin, int end, LayRun layRun) {
  for (int x = FindBit<kSet>(bits, begin, end); x < end;) {
    const int runEnd = FindBit<!kSet>(bits, x, end);
    layRun(x, runEnd);
    x = FindBit<kSet>(bits, runEnd, end);
  }
}

// The off layer over [begin, end): the off skin inside the outline, black outside.
void LayOffSkin(const uint32_t* off, const uint8_t* shape, int begin, int end, uint32_t* to) {
  int blackFrom = begin;
  ForEachRun<true>(shape, begin, end, [&](int b, int e) {
    std::fill(to + blackFrom, to + b, 0u);
    std::copy(off + b, off + e, to + b);
    blackFrom = e;
  });
  std::fill(to + blackFrom, to + end, 0u);
}

// Picture pixels [sx, sx + count) of one picture row, black where they fall outside it.
void LayPictureRun(const uint32_t* source, int pictureWidth, int64_t sx, int count, uint32_t* to) {
  if (source == nullptr) {
    std::fill(to, to + count, 0u);
    return;
  }
  const int64_t lo = std::clamp<int64_t>(-sx, 0, count);
  const int64_t hi = std::clamp<int64_t>(pictureWidth - sx, lo, count);
  std::fill(to, to + lo, 0u);
  std::copy(source + sx + lo, source + sx + hi, to + lo);
  std::fill(to + hi, to + count, 0u);
}

}  // namespace

int PictureOffset(double coordinate) {
  constexpr double kLimit = std::numeric_limits<int>::max();
  if (!(std::fabs(coordinate) < kLimit)) return 0;  // never for a pan inside its box
  return static_cast<int>(coordinate);
}

void ComposeLayers(const FrameLayers& layers, ColorBitmap& frame) {
  const int width = frame.width;
  const bool onSkin = layers.skinOn != nullptr && layers.keepOff != nullptr;
  const bool picture = layers.picture != nullptr && layers.viewportCut != nullptr;
  for (int y = 0; y < frame.height; ++y) {
    uint32_t* to = frame.Row(y);
    const uint32_t* off = layers.skinOff.Row(y);
    const uint8_t* shape = StencilRow(layers.shape, y);
    const uint8_t* cut = picture ? StencilRow(*layers.viewportCut, y) : nullptr;
    const uint32_t* source = nullptr;
    if (picture) {
      const int64_t sy = int64_t{y} + layers.oy;
      if (sy >= 0 && sy < layers.picture->height)
        source = layers.picture->Row(static_cast<int>(sy));
    }
    // The picture over [begin, end) wherever the viewport is; the top layer.
    const auto layPicture = [&](int begin, int end) {
      ForEachRun<false>(cut, begin, end, [&](int b, int e) {
        LayPictureRun(source, layers.picture->width, int64_t{b} + layers.ox, e - b, to + b);
      });
    };

    if (!onSkin) {
      LayOffSkin(off, shape, 0, width, to);
      if (picture) layPicture(0, width);
      continue;
    }
    // Each pixel is written once where the layers do not overlap: the on skin around the
    // viewport, the picture inside it.
    const uint32_t* on = layers.skinOn->Row(y);
    int copied = 0;
    const auto layOnSkin = [&](int end) {
      std::memcpy(to + copied, on + copied, static_cast<size_t>(end - copied) * sizeof(uint32_t));
    };
    if (picture) {
      ForEachRun<false>(cut, 0, width, [&](int b, int e) {
        layOnSkin(b);
        LayPictureRun(source, layers.picture->width, int64_t{b} + layers.ox, e - b, to + b);
        copied = e;
      });
    }
    layOnSkin(width);
    // The kept button goes back to the off layer, under the picture should they overlap.
    ForEachRun<true>(StencilRow(*layers.keepOff, y), 0, width, [&](int b, int e) {
      LayOffSkin(off, shape, b, e, to);
      if (picture) layPicture(b, e);
    });
  }
}

void ComposeFrame(FrameContext& context, ColorBitmap& frame) {
  const Pictures& pictures = context.pictures;
  const SkinBitmaps& stencils = context.stencils;
  const PlayMode mode = context.playlist.mode;
  if (mode == PlayMode::Idle) {
    // No cue is read and no pan moves while nothing plays.
    ComposeLayers(FrameLayers{pictures.skinOff, stencils.shape}, frame);
    return;
  }

  const bool first = mode == PlayMode::FirstTrack;
  const size_t index = first ? 0 : 1;
  ApplyCues(first ? 1 : 2, context.playlist.engine, context.playlist.handles[index], context.motion,
            context.pans);
  PanState& pan = context.pans[index];
  StepPan(pan, kPanBounds[index], context.motion, context.tickMs);

  ComposeLayers(FrameLayers{pictures.skinOff, stencils.shape, &pictures.skinOn,
                            first ? &stencils.secondTrackButton : &stencils.firstTrackButton,
                            first ? &pictures.firstPicture : &pictures.secondPicture,
                            first ? &stencils.firstViewportCut : &stencils.secondViewportCut,
                            PictureOffset(pan.x), PictureOffset(pan.y)},
                frame);
}

}  // namespace qv
