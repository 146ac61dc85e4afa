#pragma once

namespace qv {

// The three numbers that shape the pan motion of whichever track plays. Every track start
// sets all three to that track's preset; the cue script changes them as the music goes.
struct MotionParams {
  double speedLimit = 11.0;
  double wobbleGain = 0.7;
  double damping = 10.0;
  friend bool operator==(const MotionParams&, const MotionParams&) = default;
};

}  // namespace qv
