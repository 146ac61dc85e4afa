#include "visuals/pan_motion.h"

#include <cmath>
#include <cstdlib>

namespace qv {

namespace {

struct WobbleTerm {
  bool horizontal;  // horizontal terms are sines, vertical ones cosines
  double omega;     // radians per millisecond
  bool damped;      // the faster terms count a fifth
};

constexpr std::array<WobbleTerm, 16> kWobble{{
    {true, 0.0001, false},
    {false, 0.00015, false},
    {true, 0.0002, false},
    {false, 0.00025, false},
    {true, 0.0003, false},
    {false, 0.00035, false},
    {true, 0.0004, false},
    {false, 0.00045, false},
    {true, 0.001, true},
    {false, 0.0015, true},
    {true, 0.002, true},
    {false, 0.0025, true},
    {true, 0.003, true},
    {false, 0.0035, true},
    {true, 0.004, true},
    {false, 0.0045, true},
}};

// The tick read as a count of milliseconds; ticks of 2^31 and above stay positive.
double ReadTick(const TickSource& tick) {
  return static_cast<double>(tick());
}

}  // namespace

void PlacePans(std::array<PanState, 2>& pans, std::time_t now) {
  std::srand(static_cast<unsigned>(now));
  // Four draws in a fixed order: track 1 x, track 1 y, track 2 x, track 2 y.
  for (PanState& pan : pans) {
    pan.x = static_cast<double>(std::rand() % 800);
    pan.y = static_cast<double>(std::rand() % 300);
  }
  for (PanState& pan : pans) {
    pan.vx = pan.vy = 1.0;
    pan.sx = pan.sy = 1;
  }
}

void StepPan(PanState& pan, const PanBounds& bounds, const MotionParams& params,
             const TickSource& tick) {
  const double limit = params.speedLimit;
  const double gain = params.wobbleGain;
  const double damping = params.damping;

  // The move uses the velocities as they came in: last step's, or what a cue just wrote.
  pan.x = pan.x + pan.sx * pan.vx;
  pan.y = pan.y + pan.sy * pan.vy;

  // The limit bounds only the velocity carried over; the wobble may push past it.
  if (pan.vx > limit) pan.vx = limit;
  if (pan.vy > limit) pan.vy = limit;
  if (pan.vx < -limit) pan.vx = -limit;
  if (pan.vy < -limit) pan.vy = -limit;

  // A position exactly on a bound stays, and keeps its sign.
  if (pan.x > bounds.xMax) {
    pan.x = bounds.xMax;
    pan.sx = -pan.sx;
  }
  if (pan.y > bounds.yMax) {
    pan.y = bounds.yMax;
    pan.sy = -pan.sy;
  }
  if (pan.x < bounds.xMin) {
    pan.x = bounds.xMin;
    pan.sx = -pan.sx;
  }
  if (pan.y < bounds.yMin) {
    pan.y = bounds.yMin;
    pan.sy = -pan.sy;
  }

  for (const WobbleTerm& term : kWobble) {
    const double t = ReadTick(tick);
    double push = (term.horizontal ? std::sin(term.omega * t) : std::cos(term.omega * t)) * gain;
    if (term.damped) push = push * 0.2;
    (term.horizontal ? pan.vx : pan.vy) += push;
  }

  // The brake breathes between D / (D + 2) and 1.
  double t = ReadTick(tick);
  pan.vx = (std::cos(0.00099 * t) + damping + 1.0) * (1.0 / (damping + 2.0)) * pan.vx;
  t = ReadTick(tick);
  pan.vy = (std::cos(0.0009 * t) + damping + 1.0) * (1.0 / (damping + 2.0)) * pan.vy;
}

}  // namespace qv
