#pragma once

#include <cstdint>
#include <memory>

#include "music/openmpt/audio_output.h"

namespace qv {

// The no-sound device: a thread that pulls the stream in real time by the steady clock and
// throws it away, so that tracks advance and end as they would on a speaker.
std::unique_ptr<AudioOutput> OpenSteadyClockOutput(uint32_t rate, SoundSource& source);

}  // namespace qv
