#pragma once

#include <cstddef>

#include "music/openmpt/heard_frame_clock.h"

namespace qv {

// Where an output pulls its sound from, on the output's own thread.
class SoundSource {
 public:
  virtual ~SoundSource() = default;
  // Fills `frames` interleaved stereo float frames, the first of which leaves the speaker
  // at `heardAt`.
  virtual void Pull(float* interleaved, std::size_t frames, AudioClock::time_point heardAt) = 0;
};

// An open output device. It pulls from its source from the moment it opens until it is
// destroyed; destruction waits for a pull under way.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
};

}  // namespace qv
