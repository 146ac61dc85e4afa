#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

// Where a module was, block by block of the rendered stream, so that the position can be
// answered for the frame the listener hears rather than the one the renderer is at. Blocks
// are recorded in stream order; the oldest are dropped once the history is full.
class PositionStamps {
 public:
  // Blocks of history kept: seconds of sound, far beyond any output latency.
  static constexpr std::size_t kCapacity = 1024;

  explicit PositionStamps(uint32_t position = 0);

  // Forgets the history: until a new block is recorded, every frame answers `position`.
  void Restart(uint32_t position);
  // A block of frames starting at `begin` was rendered from `position` on.
  void Record(uint64_t begin, uint32_t position);
  // The position of the newest block that began at or before `frame`.
  uint32_t At(uint64_t frame) const;

 private:
  struct Stamp {
    uint64_t begin;
    uint32_t position;
  };
  const Stamp& FromNewest(std::size_t back) const;

  uint32_t start_;
  std::vector<Stamp> ring_;
  std::size_t next_ = 0;
  std::size_t count_ = 0;
};

}  // namespace qv
