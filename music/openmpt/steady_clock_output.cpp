#include "music/openmpt/steady_clock_output.h"

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace qv {
namespace {

class SteadyClockOutput final : public AudioOutput {
 public:
  SteadyClockOutput(uint32_t rate, SoundSource& source)
      : rate_(rate),
        source_(source),
        thread_([this](std::stop_token stop) { Run(std::move(stop)); }) {}

 private:
  // 10 ms a pull.
  std::size_t FramesPerPull() const { return rate_ / 100 > 0 ? rate_ / 100 : 1; }

  void Run(std::stop_token stop) {
    std::vector<float> buffer(2 * FramesPerPull());
    const auto start = AudioClock::now();
    uint64_t pulled = 0;
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    while (true) {
      // Each pull is due when its first frame would reach the speaker, counted from the
      // start, so that late wake-ups never add up.
      const auto due =
          start + std::chrono::duration_cast<AudioClock::duration>(
                      std::chrono::duration<double>(static_cast<double>(pulled) / rate_));
      wake.wait_until(lock, stop, due, [] { return false; });
      if (stop.stop_requested()) break;
      source_.Pull(buffer.data(), FramesPerPull(), due);
      pulled += FramesPerPull();
    }
  }

  uint32_t rate_;
  SoundSource& source_;
  std::jthread thread_;  // last: it starts once the rest is in place
};

}  // namespace

std::unique_ptr<AudioOutput> OpenSteadyClockOutput(uint32_t rate, SoundSource& source) {
  return std::make_unique<SteadyClockOutput>(rate, source);
}

}  // namespace qv
