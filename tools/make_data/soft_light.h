#pragma once

#include <span>

#include "tools/make_data/canvas.h"
#include "tools/make_data/geometry.h"

namespace qv::make_data {

// Light falling off with distance, built from plain arithmetic so every build gives the same
// bytes. A halo: 1 at the centre, 1/2 at `radius`, with a long faint tail.
constexpr double Halo(double distance, double radius) {
  const double q = distance / radius;
  return 1 / (1 + q * q);
}

// A tighter spot shaped like a bell curve: 1 at the centre, about 0.37 at `radius`, nothing
// much beyond three radii.
constexpr double Spot(double distance, double radius) {
  const double q = distance / radius;
  const double q2 = q * q;
  return 1 / (1 + q2 * (1 + q2 * (0.5 + q2 / 6)));
}

// A colour that changes along a line of stops; between stops it eases from one to the next.
struct ColorStop {
  double at = 0;
  Rgb color;
};

inline Rgb Ramp(std::span<const ColorStop> stops, double t) {
  if (t <= stops.front().at) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t < stops[i].at) {
      return Mix(stops[i - 1].color, stops[i].color, SmoothStep(stops[i - 1].at, stops[i].at, t));
    }
  }
  return stops.back().color;
}

// Adds light the way a glow does on screen: bright over dark, never past white.
constexpr Rgb Screen(Rgb base, Rgb light) {
  return {1 - (1 - base.r) * (1 - std::min(light.r, 1.0)),
          1 - (1 - base.g) * (1 - std::min(light.g, 1.0)),
          1 - (1 - base.b) * (1 - std::min(light.b, 1.0))};
}

}  // namespace qv::make_data
