#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "music/openmpt/openmpt_engine.h"

namespace qv {

// An output that plays nothing by itself: its owner pulls the engine when it chooses, on a
// clock of its own. For rendering in step with a virtual clock (capture, tests). Declare it
// before the engine that uses it.
class SteppedOutput {
 public:
  OutputOpener Opener() {
    return [this](int, uint32_t, SoundSource& source) -> std::unique_ptr<AudioOutput> {
      source_ = &source;
      return std::make_unique<Handle>(*this);
    };
  }
  std::function<AudioClock::time_point()> Clock() {
    return [this] { return now; };
  }

  // Pulls `frames` frames whose first is heard at `heardAt`; silence while no engine is open.
  std::vector<float> Pull(std::size_t frames, AudioClock::time_point heardAt) {
    std::vector<float> sound(2 * frames);
    if (source_ != nullptr) source_->Pull(sound.data(), frames, heardAt);
    return sound;
  }
  // Pulls `frames` frames heard from now on, and lets that much time pass.
  std::vector<float> PullAndPlay(std::size_t frames) {
    std::vector<float> sound = Pull(frames, now);
    now += std::chrono::duration_cast<AudioClock::duration>(
        std::chrono::duration<double>(static_cast<double>(frames) / kOutputRate));
    return sound;
  }

  AudioClock::time_point now = AudioClock::time_point{} + std::chrono::hours(1);

 private:
  // Closing the device ends the pulls, as a real one does.
  class Handle final : public AudioOutput {
   public:
    explicit Handle(SteppedOutput& output) : output_(output) {}
    ~Handle() override { output_.source_ = nullptr; }

   private:
    SteppedOutput& output_;
  };

  SoundSource* source_ = nullptr;
};

}  // namespace qv
