#include "tools/make_music/dsp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qv::make_music {

Biquad::Biquad(Kind kind, double rate, double hertz, double q) : kind_(kind) {
  Retune(rate, hertz, q);
}

Biquad Biquad::LowPass(double rate, double hertz, double q) {
  return Biquad(Kind::kLow, rate, hertz, q);
}
Biquad Biquad::HighPass(double rate, double hertz, double q) {
  return Biquad(Kind::kHigh, rate, hertz, q);
}
Biquad Biquad::BandPass(double rate, double hertz, double q) {
  return Biquad(Kind::kBand, rate, hertz, q);
}

void Biquad::Retune(double rate, double hertz, double q) {
  const double w = kTwoPi * std::min(hertz, rate * 0.45) / rate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  const double a0 = 1.0 + alpha;
  switch (kind_) {
    case Kind::kLow:
      b0_ = (1.0 - c) / 2.0;
      b1_ = 1.0 - c;
      b2_ = b0_;
      break;
    case Kind::kHigh:
      b0_ = (1.0 + c) / 2.0;
      b1_ = -(1.0 + c);
      b2_ = b0_;
      break;
    case Kind::kBand:
      b0_ = alpha;
      b1_ = 0.0;
      b2_ = -alpha;
      break;
  }
  b0_ /= a0;
  b1_ /= a0;
  b2_ /= a0;
  a1_ = -2.0 * c / a0;
  a2_ = (1.0 - alpha) / a0;
}

float Biquad::Process(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

void Filter(Signal& signal, Biquad filter) {
  for (float& x : signal)
    x = filter.Process(x);
}

namespace {

class Comb {
 public:
  Comb(size_t length, double feedback, double damping)
      : buffer_(length, 0.0), feedback_(feedback), damping_(damping) {}
  double Process(double x) {
    const double out = buffer_[at_];
    low_ = out * (1.0 - damping_) + low_ * damping_;
    buffer_[at_] = x + low_ * feedback_;
    at_ = (at_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<double> buffer_;
  size_t at_ = 0;
  double feedback_;
  double damping_;
  double low_ = 0;
};

class AllPass {
 public:
  explicit AllPass(size_t length) : buffer_(length, 0.0) {}
  double Process(double x) {
    const double delayed = buffer_[at_];
    const double out = delayed - x;
    buffer_[at_] = x + delayed * 0.5;
    at_ = (at_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<double> buffer_;
  size_t at_ = 0;
};

}  // namespace

void AddReverb(Signal& signal, double rate, double roomSize, double wet, double tailSeconds) {
  // Delay lengths tuned at 44.1 kHz; mutually prime so the echoes do not pile up.
  constexpr std::array<int, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1491};
  constexpr std::array<int, 3> kAllPasses = {556, 441, 341};
  const double scale = rate / 44100.0;
  std::vector<Comb> combs;
  for (int length : kCombs) {
    combs.emplace_back(static_cast<size_t>(length * scale), 0.7 + 0.28 * roomSize, 0.3);
  }
  std::vector<AllPass> allPasses;
  for (int length : kAllPasses)
    allPasses.emplace_back(static_cast<size_t>(length * scale));

  signal.resize(signal.size() + static_cast<size_t>(tailSeconds * rate), 0.0F);
  for (float& x : signal) {
    double sum = 0;
    for (Comb& comb : combs)
      sum += comb.Process(x * 0.015);
    for (AllPass& pass : allPasses)
      sum = pass.Process(sum);
    x = static_cast<float>(x + wet * sum);
  }
}

void Normalize(Signal& signal, double peak) {
  float loudest = 0;
  for (float x : signal)
    loudest = std::max(loudest, std::fabs(x));
  if (loudest == 0) return;
  const auto gain = static_cast<float>(peak / loudest);
  for (float& x : signal)
    x *= gain;
}

void FadeOut(Signal& signal, double rate, double fadeSeconds) {
  const size_t fade = std::min(signal.size(), static_cast<size_t>(fadeSeconds * rate));
  for (size_t i = 0; i < fade; ++i) {
    signal[signal.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
  }
}

void Reverse(Signal& signal) {
  std::reverse(signal.begin(), signal.end());
}

std::vector<int16_t> ToPcm16(const Signal& signal) {
  std::vector<int16_t> pcm;
  pcm.reserve(signal.size());
  for (float x : signal) {
    const double clamped = std::clamp(static_cast<double>(x), -1.0, 1.0);
    pcm.push_back(static_cast<int16_t>(std::lround(clamped * 32767.0)));
  }
  return pcm;
}

}  // namespace qv::make_music
