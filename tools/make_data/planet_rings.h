#pragma once

#include "tools/make_data/canvas.h"
#include "tools/make_data/geometry.h"

namespace qv::make_data {

// How much light the rings stop `r` planet radii from the planet's centre, in their plane.
double RingOpacity(double r);

struct RingPoint {
  Rgb color;
  double opacity = 0;
  bool front = false;  // nearer than the planet's centre, so it crosses in front of the planet
};

// What the ring plane shows at a point of the upright frame, in planet radii: lit by the sun
// except where the planet's shadow falls across it.
RingPoint RingThrough(Vec2 upright);

}  // namespace qv::make_data
