#pragma once

#include <cstdint>
#include <memory>

#include "music/openmpt/audio_output.h"

namespace qv {

// SDL's default audio device (whatever SDL_AUDIODRIVER chooses), playing stereo float at
// `rate`. Nothing when SDL has no device to open; the sound libraries' complaints on
// standard error are kept off the terminal.
std::unique_ptr<AudioOutput> OpenSdlAudioOutput(uint32_t rate, SoundSource& source);

}  // namespace qv
