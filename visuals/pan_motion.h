#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>

#include "music/motion_params.h"

namespace qv {

// Where a track's picture stands: (x, y) is the picture pixel under the window's top-left
// corner; the displacement of a step is sx × vx and sy × vy.
struct PanState {
  double x = 0.0;
  double y = 0.0;
  double vx = 0.0;
  double vy = 0.0;
  int sx = 1;
  int sy = 1;
  friend bool operator==(const PanState&, const PanState&) = default;
};

// The box each track's pan stays in; fixed numbers, not derived from any size.
struct PanBounds {
  double xMin, xMax, yMin, yMax;
};

inline constexpr std::array<PanBounds, 2> kPanBounds{{
    {-30.0, 982.0, -61.0, 450.0},
    {-247.0, 897.0, -41.0, 520.0},
}};

// Milliseconds since start-up as an unsigned 32-bit count that wraps.
using TickSource = std::function<uint32_t()>;

// Places both pans at random whole positions (x in 0..799, y in 0..299), seeding the C
// library's generator with the calendar time, moving at 1 pixel a paint in both directions.
void PlacePans(std::array<PanState, 2>& pans, std::time_t now);

// One paint's motion: move, limit the carried velocity, bounce off the box, push the
// velocities with sixteen sines and cosines of the clock, then brake them.
void StepPan(PanState& pan, const PanBounds& bounds, const MotionParams& params,
             const TickSource& tick);

}  // namespace qv
