#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace qv {

using AudioClock = std::chrono::steady_clock;

// Which frame of the rendered stream is leaving the speaker now. Every pull of the output
// says when its first frame will be heard; a late pull (the thread woke late) only ever
// makes that look later than it is, so the estimate is the most advanced of the recent
// pulls, each carried forward at the sample rate.
class HeardFrameClock {
 public:
  explicit HeardFrameClock(uint32_t rate = 44100) : rate_(rate) {}

  // Frames [first, first + count) were handed to the output, the first to be heard at `heardAt`.
  void OnPull(uint64_t first, std::size_t count, AudioClock::time_point heardAt);
  // The frame heard at `now`: never beyond what was handed over, never going back.
  uint64_t HeardFrame(AudioClock::time_point now);

 private:
  struct Anchor {
    uint64_t frame;
    AudioClock::time_point heardAt;
  };
  // Pulls remembered: enough to ride over scheduling hiccups, few enough that the two
  // clocks' drift stays far below a millisecond.
  static constexpr std::size_t kAnchors = 16;

  uint32_t rate_;
  std::array<Anchor, kAnchors> anchors_{};
  std::size_t anchorCount_ = 0;
  std::size_t nextAnchor_ = 0;
  uint64_t handedOver_ = 0;
  uint64_t lastAnswer_ = 0;
};

}  // namespace qv
