// Each track's picture pans behind a viewport about 200 pixels across and is seen whole over
// time: it must load at the size the pan's bounds were made for, and there must be something to
// watch wherever the viewport stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "platform/turbojpeg/turbojpeg_decoder.h"

namespace qv {
namespace {

struct TrackPicture {
  const char* file;
  int width;
  int height;
};

constexpr TrackPicture kTrackPictures[] = {
    {"data/duskvale.jpg", 1192, 712},
    {"data/greets.jpg", 1357, 765},
};

constexpr int kTile = 200;

ColorBitmap Load(const TrackPicture& picture) {
  const std::unique_ptr<ImageDecoder> decoder = MakeTurboJpegDecoder();
  ColorBitmap bitmap;
  EXPECT_TRUE(decoder && decoder->Decode(picture.file, bitmap)) << picture.file;
  return bitmap;
}

double Luma(uint32_t xrgb) {
  return 0.299 * ((xrgb >> 16) & 0xFF) + 0.587 * ((xrgb >> 8) & 0xFF) + 0.114 * (xrgb & 0xFF);
}

struct TileDetail {
  double spread;  // standard deviation of the brightness
  double grain;   // mean brightness step between neighbouring pixels
};

TileDetail MeasureTile(const ColorBitmap& bitmap, int left, int top) {
  double sum = 0;
  double squares = 0;
  double steps = 0;
  for (int y = top; y < top + kTile; ++y) {
    for (int x = left; x < left + kTile; ++x) {
      const double luma = Luma(bitmap.At(x, y));
      sum += luma;
      squares += luma * luma;
      if (x + 1 < left + kTile) steps += std::abs(Luma(bitmap.At(x + 1, y)) - luma);
    }
  }
  constexpr double kCount = kTile * kTile;
  const double mean = sum / kCount;
  return {std::sqrt(std::max(squares / kCount - mean * mean, 0.0)), steps / (kTile * (kTile - 1))};
}

TEST(TrackPicturesTest, LoadAtTheSizesTheirPansAreBoundedFor) {
  for (const TrackPicture& picture : kTrackPictures) {
    const ColorBitmap bitmap = Load(picture);
    EXPECT_EQ(bitmap.width, picture.width) << picture.file;
    EXPECT_EQ(bitmap.height, picture.height) << picture.file;
  }
}

TEST(TrackPicturesTest, EveryViewportSizedTileHasDetail) {
  for (const TrackPicture& picture : kTrackPictures) {
    const ColorBitmap bitmap = Load(picture);
    ASSERT_EQ(bitmap.width, picture.width);
    ASSERT_EQ(bitmap.height, picture.height);
    // Overlapping tiles, the last of each row and column flush with the picture's edge.
    for (int top = 0;; top = std::min(top + kTile / 2, picture.height - kTile)) {
      for (int left = 0;; left = std::min(left + kTile / 2, picture.width - kTile)) {
        const TileDetail detail = MeasureTile(bitmap, left, top);
        // Neither flat nor merely a smooth blend: a plain fill or a stretched blur fails.
        EXPECT_GE(detail.spread, 6.0) << picture.file << " tile at " << left << "," << top;
        EXPECT_GE(detail.grain, 0.2) << picture.file << " tile at " << left << "," << top;
        if (left == picture.width - kTile) break;
      }
      if (top == picture.height - kTile) break;
    }
  }
}

}  // namespace
}  // namespace qv
