#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

struct openmpt_module;

namespace qv {

// One loaded module, set up to end with its last order: no repeat, and reads return 0
// frames at the end instead of fading out past it. Not thread-safe: its owner locks.
class OpenMptModule {
 public:
  // Nothing when the bytes are not a module that the library can play.
  static std::optional<OpenMptModule> Load(std::span<const std::byte> bytes);

  // Renders up to `frames` interleaved stereo float frames; fewer at the end, then 0.
  std::size_t Read(uint32_t rate, std::size_t frames, float* interleaved);
  // Moves to the order and row; notes that were sounding stop, and a module that has ended
  // plays again.
  void SetPosition(uint16_t order, uint16_t row);
  uint16_t Order() const;
  uint16_t Row() const;
  void SetGainMillibel(int32_t millibel);
  double DurationSeconds() const;

 private:
  struct Deleter {
    void operator()(openmpt_module* module) const;
  };
  explicit OpenMptModule(openmpt_module* module) : module_(module) {}

  std::unique_ptr<openmpt_module, Deleter> module_;
};

}  // namespace qv
