#include "visuals/picture_scaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace qv {

namespace {

// The source pixels one output pixel of an axis draws from, and their weights (summing to 1).
struct AxisTaps {
  std::vector<int> first;  // per output pixel: its first source pixel
  std::vector<int> count;  // per output pixel: how many source pixels follow
  std::vector<size_t> at;  // per output pixel: where its weights start in `weights`
  std::vector<float> weights;
};

// Output pixels [begin, end) of an axis `outLength` long, drawn from `inLength` source pixels.
AxisTaps MakeTaps(int inLength, int outLength, int begin, int end) {
  AxisTaps taps;
  const double scale = static_cast<double>(inLength) / outLength;  // source pixels per output
  for (int i = begin; i < end; ++i) {
    taps.at.push_back(taps.weights.size());
    if (inLength > outLength) {
      // Area average: the output pixel covers source span [lo, hi).
      const double lo = i * scale, hi = (i + 1) * scale;
      const int j0 = static_cast<int>(std::floor(lo));
      const int j1 = std::min(inLength, static_cast<int>(std::ceil(hi)));
      for (int j = j0; j < j1; ++j) {
        const double covered = std::min<double>(j + 1, hi) - std::max<double>(j, lo);
        taps.weights.push_back(static_cast<float>(covered / scale));
      }
      taps.first.push_back(j0);
      taps.count.push_back(j1 - j0);
    } else if (inLength < outLength) {
      // Bilinear between the two nearest source pixel centres, clamped at the edges.
      const double centre = (i + 0.5) * scale - 0.5;
      const int j0 = std::clamp(static_cast<int>(std::floor(centre)), 0, inLength - 1);
      const int j1 = std::min(j0 + 1, inLength - 1);
      const double t = std::clamp(centre - j0, 0.0, 1.0);
      taps.first.push_back(j0);
      if (j1 == j0) {
        taps.count.push_back(1);
        taps.weights.push_back(1.0f);
      } else {
        taps.count.push_back(2);
        taps.weights.push_back(static_cast<float>(1.0 - t));
        taps.weights.push_back(static_cast<float>(t));
      }
    } else {
      taps.first.push_back(i);
      taps.count.push_back(1);
      taps.weights.push_back(1.0f);
    }
  }
  return taps;
}

using Rgb = std::array<float, 3>;

Rgb Unpack(uint32_t pixel) {
  return {static_cast<float>((pixel >> 16) & 0xFF), static_cast<float>((pixel >> 8) & 0xFF),
          static_cast<float>(pixel & 0xFF)};
}

uint32_t Pack(const Rgb& rgb) {
  uint32_t pixel = 0;
  for (float channel : rgb) {
    pixel = (pixel << 8) | static_cast<uint32_t>(std::clamp(std::lround(channel), 0L, 255L));
  }
  return pixel;
}

void CopyExact(const ColorBitmap& picture, ColorBitmap& target, DrawRect rect, int x0, int x1,
               int y0, int y1) {
  for (int y = y0; y < y1; ++y) {
    const uint32_t* from = picture.Row(y - rect.y) + (x0 - rect.x);
    std::copy(from, from + (x1 - x0), target.Row(y) + x0);
  }
}

}  // namespace

void DrawScaled(const ColorBitmap& picture, ColorBitmap& target, DrawRect rect) {
  if (rect.width <= 0 || rect.height <= 0 || picture.width <= 0 || picture.height <= 0) return;
  // The visible part of the rectangle, in target coordinates.
  const int x0 = std::max(rect.x, 0);
  const int y0 = std::max(rect.y, 0);
  const int x1 = static_cast<int>(std::min<int64_t>(int64_t{rect.x} + rect.width, target.width));
  const int y1 = static_cast<int>(std::min<int64_t>(int64_t{rect.y} + rect.height, target.height));
  if (x0 >= x1 || y0 >= y1) return;
  if (picture.width == rect.width && picture.height == rect.height) {
    CopyExact(picture, target, rect, x0, x1, y0, y1);
    return;
  }

  const AxisTaps columns = MakeTaps(picture.width, rect.width, x0 - rect.x, x1 - rect.x);
  const AxisTaps rows = MakeTaps(picture.height, rect.height, y0 - rect.y, y1 - rect.y);
  const size_t outWidth = static_cast<size_t>(x1 - x0);

  // Horizontal pass over every source row, then a vertical pass into the target.
  std::vector<Rgb> wide(static_cast<size_t>(picture.height) * outWidth);
  for (int sy = 0; sy < picture.height; ++sy) {
    const uint32_t* source = picture.Row(sy);
    Rgb* out = wide.data() + static_cast<size_t>(sy) * outWidth;
    for (size_t i = 0; i < outWidth; ++i) {
      Rgb sum{};
      for (int k = 0; k < columns.count[i]; ++k) {
        const Rgb c = Unpack(source[columns.first[i] + k]);
        const float w = columns.weights[columns.at[i] + static_cast<size_t>(k)];
        for (int ch = 0; ch < 3; ++ch)
          sum[ch] += w * c[ch];
      }
      out[i] = sum;
    }
  }
  for (int y = y0; y < y1; ++y) {
    const size_t r = static_cast<size_t>(y - y0);
    uint32_t* out = target.Row(y) + x0;
    for (size_t i = 0; i < outWidth; ++i) {
      Rgb sum{};
      for (int k = 0; k < rows.count[r]; ++k) {
        const Rgb& c = wide[static_cast<size_t>(rows.first[r] + k) * outWidth + i];
        const float w = rows.weights[rows.at[r] + static_cast<size_t>(k)];
        for (int ch = 0; ch < 3; ++ch)
          sum[ch] += w * c[ch];
      }
      out[i] = Pack(sum);
    }
  }
}

}  // namespace qv
