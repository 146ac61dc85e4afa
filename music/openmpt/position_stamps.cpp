#include "music/openmpt/position_stamps.h"

namespace qv {

PositionStamps::PositionStamps(uint32_t position) : start_(position), ring_(kCapacity) {}

void PositionStamps::Restart(uint32_t position) {
  start_ = position;
  count_ = 0;
}

void PositionStamps::Record(uint64_t begin, uint32_t position) {
  ring_[next_] = {begin, position};
  next_ = (next_ + 1) % kCapacity;
  if (count_ < kCapacity) ++count_;
}

const PositionStamps::Stamp& PositionStamps::FromNewest(std::size_t back) const {
  return ring_[(next_ + kCapacity - 1 - back) % kCapacity];
}

uint32_t PositionStamps::At(uint64_t frame) const {
  for (std::size_t back = 0; back < count_; ++back) {
    const Stamp& stamp = FromNewest(back);
    if (stamp.begin <= frame) return stamp.position;
  }
  // Older than the history: the start, or the oldest block still known.
  return count_ == kCapacity ? FromNewest(count_ - 1).position : start_;
}

}  // namespace qv
