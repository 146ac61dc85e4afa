#pragma once

#include <cstdint>
#include <vector>

// The small signal-processing kit the instruments are built from. Signals are float in [-1, 1].
namespace qv::make_music {

using Signal = std::vector<float>;

inline constexpr double kTwoPi = 6.283185307179586;

// Second-order filter with coefficients after the well-known audio EQ cookbook.
class Biquad {
 public:
  static Biquad LowPass(double rate, double hertz, double q);
  static Biquad HighPass(double rate, double hertz, double q);
  static Biquad BandPass(double rate, double hertz, double q);

  // Moves the corner without resetting the state, for sweeps.
  void Retune(double rate, double hertz, double q);
  float Process(float x);

 private:
  enum class Kind { kLow, kHigh, kBand };
  Biquad(Kind kind, double rate, double hertz, double q);

  Kind kind_;
  double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Applies the filter to the whole signal.
void Filter(Signal& signal, Biquad filter);

// A small room: parallel combs into series all-passes, mixed in at `wet`. The tail grows the
// signal by `tailSeconds`.
void AddReverb(Signal& signal, double rate, double roomSize, double wet, double tailSeconds);

// Scales to the given peak and fades the last `fadeSeconds` to zero.
void Normalize(Signal& signal, double peak);
void FadeOut(Signal& signal, double rate, double fadeSeconds);
void Reverse(Signal& signal);

std::vector<int16_t> ToPcm16(const Signal& signal);

}  // namespace qv::make_music
