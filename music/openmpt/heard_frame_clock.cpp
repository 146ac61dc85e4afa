#include "music/openmpt/heard_frame_clock.h"

#include <algorithm>

namespace qv {

void HeardFrameClock::OnPull(uint64_t first, std::size_t count, AudioClock::time_point heardAt) {
  anchors_[nextAnchor_] = {first, heardAt};
  nextAnchor_ = (nextAnchor_ + 1) % kAnchors;
  anchorCount_ = std::min(anchorCount_ + 1, kAnchors);
  handedOver_ = std::max(handedOver_, first + count);
}

uint64_t HeardFrameClock::HeardFrame(AudioClock::time_point now) {
  double best = 0.0;
  for (std::size_t i = 0; i < anchorCount_; ++i) {
    const Anchor& anchor = anchors_[i];
    const double seconds = std::chrono::duration<double>(now - anchor.heardAt).count();
    best = std::max(best, static_cast<double>(anchor.frame) + seconds * rate_);
  }
  const auto frame = std::min(static_cast<uint64_t>(best), handedOver_);
  lastAnswer_ = std::max(lastAnswer_, frame);
  return lastAnswer_;
}

}  // namespace qv
