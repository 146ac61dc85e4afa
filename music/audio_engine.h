#pragma once

#include <cstdint>
#include <string>

namespace qv {

// A loaded module, as the engine hands it out; 0 when loading failed. Every operation on
// handle 0 does nothing, and the activity query answers 0 for it.
using MusicHandle = uint32_t;

// Order position: the order in the low 16 bits, the row in the high 16 bits.
constexpr uint32_t MakeOrderPosition(uint16_t order, uint16_t row) {
  return static_cast<uint32_t>(order) | (static_cast<uint32_t>(row) << 16);
}
constexpr uint16_t OrderOf(uint32_t position) {
  return static_cast<uint16_t>(position & 0xFFFF);
}
constexpr uint16_t RowOf(uint32_t position) {
  return static_cast<uint16_t>(position >> 16);
}

constexpr int kDefaultDevice = -1;
constexpr int kNoSoundDevice = 0;
constexpr uint32_t kOutputRate = 44100;
constexpr int kAmplificationAttribute = 0;

// The nine operations of the module player that the playlist and the cue script rely on.
// Back ends: a real player on the sound device, and fakes for tests.
class AudioEngine {
 public:
  virtual ~AudioEngine() = default;

  // Opens an output device (kDefaultDevice, or kNoSoundDevice); false when it cannot.
  virtual bool Init(int device, uint32_t rate) = 0;
  // Loads a whole module file, set to stop sounding notes whenever its position moves and to
  // end with its module. 0 when it cannot be loaded.
  virtual MusicHandle MusicLoad(const std::string& path) = 0;
  virtual void MusicSetAttribute(MusicHandle music, int attribute, float value) = 0;
  virtual void ChannelStop(MusicHandle music) = 0;
  virtual void ChannelSetPosition(MusicHandle music, uint16_t order, uint16_t row) = 0;
  virtual void ChannelPlay(MusicHandle music, bool restart) = 0;
  // 0: ended or stopped; any other value: still playing.
  virtual uint32_t ChannelIsActive(MusicHandle music) = 0;
  virtual uint32_t MusicGetOrderPosition(MusicHandle music) = 0;
  virtual void Free() = 0;
};

}  // namespace qv
