#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv::make_data {

// A colour with channels in 0..1.
struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

constexpr Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
constexpr Rgb operator*(Rgb c, double s) {
  return {c.r * s, c.g * s, c.b * s};
}
constexpr Rgb operator*(Rgb a, Rgb b) {
  return {a.r * b.r, a.g * b.g, a.b * b.b};
}
constexpr Rgb Mix(Rgb a, Rgb b, double t) {
  return a + (Rgb{b.r - a.r, b.g - a.g, b.b - a.b}) * t;
}
constexpr Rgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb& at(int x, int y) { return pixels_[Index(x, y)]; }
  const Rgb& at(int x, int y) const { return pixels_[Index(x, y)]; }

  // Lays `color` over the pixel with the given opacity.
  void Blend(int x, int y, Rgb color, double alpha);
  // Brightens the pixel by `light` (negative darkens), keeping the result displayable.
  void AddLight(int x, int y, Rgb light);

  // Eight-bit R, G, B triples, rows top-down, values rounded.
  std::vector<uint8_t> ToRgb8() const;

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

// 0..255 from a 0..1 channel, clamped and rounded.
uint8_t ToByte(double channel);

}  // namespace qv::make_data
