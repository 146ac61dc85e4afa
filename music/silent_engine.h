#pragma once

#include "music/audio_engine.h"

namespace qv {

// The engine of a build without a module player: every device opens, no module loads, so
// every handle is 0 and every track counts as ended. The player runs, silently.
class SilentEngine final : public AudioEngine {
 public:
  bool Init(int, uint32_t) override { return true; }
  MusicHandle MusicLoad(const std::string&) override { return 0; }
  void MusicSetAttribute(MusicHandle, int, float) override {}
  void ChannelStop(MusicHandle) override {}
  void ChannelSetPosition(MusicHandle, uint16_t, uint16_t) override {}
  void ChannelPlay(MusicHandle, bool) override {}
  uint32_t ChannelIsActive(MusicHandle) override { return 0; }
  uint32_t MusicGetOrderPosition(MusicHandle) override { return 0; }
  void Free() override {}
};

}  // namespace qv
