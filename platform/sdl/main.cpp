#include <chrono>
#include <cstdint>
#include <ctime>
#include <iostream>

#include "app/run_player.h"
#include "music/openmpt/openmpt_engine.h"
#include "platform/sdl/sdl_window_system.h"
#include "platform/turbojpeg/turbojpeg_decoder.h"

int main() {
  qv::SdlWindowSystem windows;
  qv::OpenMptEngine audio;
  qv::PlayerServices services{
      windows,
      audio,
      qv::MakeTurboJpegDecoder,
      [] {
        // Milliseconds of the monotonic clock (since boot here), wrapping at 2^32 like the
        // native tick count.
        const auto sinceBoot = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<uint32_t>(sinceBoot.count());
      },
      [] { return std::time(nullptr); },
      std::cerr,
  };
  return qv::RunPlayer(services);
}
