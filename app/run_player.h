#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <ostream>

#include "music/audio_engine.h"
#include "platform/image_decoder.h"
#include "platform/window_system.h"

namespace qv {

// What the player needs from the world around it; each front end fills it.
struct PlayerServices {
  WindowSystem& windows;
  AudioEngine& audio;
  ImageDecoderFactory decoders;
  std::function<uint32_t()> tickMs;           // milliseconds since start-up, wrapping at 2^32
  std::function<std::time_t()> calendarTime;  // whole seconds
  std::ostream& errors;                       // where a failed start is told, in one line
};

// The player's whole run: start-up, the message loop and shut-down. Returns the exit code:
// 0 after a normal end, 1 when the mask cannot be read or no window can be created.
int RunPlayer(PlayerServices& services);

}  // namespace qv
