#include "tools/make_data/canvas.h"

#include <algorithm>

namespace qv::make_data {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

void Canvas::Blend(int x, int y, Rgb color, double alpha) {
  if (alpha <= 0) return;
  Rgb& p = at(x, y);
  p = Mix(p, color, std::min(alpha, 1.0));
}

void Canvas::AddLight(int x, int y, Rgb light) {
  Rgb& p = at(x, y);
  p = p + light;
  p = {std::clamp(p.r, 0.0, 1.0), std::clamp(p.g, 0.0, 1.0), std::clamp(p.b, 0.0, 1.0)};
}

std::vector<uint8_t> Canvas::ToRgb8() const {
  std::vector<uint8_t> out;
  out.reserve(pixels_.size() * 3);
  for (const Rgb& p : pixels_) {
    out.push_back(ToByte(p.r));
    out.push_back(ToByte(p.g));
    out.push_back(ToByte(p.b));
  }
  return out;
}

uint8_t ToByte(double channel) {
  return static_cast<uint8_t>(std::clamp(channel, 0.0, 1.0) * 255.0 + 0.5);
}

}  // namespace qv::make_data
