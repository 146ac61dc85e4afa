#pragma once

#include <functional>
#include <memory>
#include <mutex>

#include "music/audio_engine.h"
#include "music/openmpt/audio_output.h"
#include "music/openmpt/heard_frame_clock.h"
#include "music/openmpt/track_mixer.h"

namespace qv {

// Opens the output for a device number (kDefaultDevice, kNoSoundDevice); nothing when it
// cannot.
using OutputOpener =
    std::function<std::unique_ptr<AudioOutput>(int device, uint32_t rate, SoundSource& source)>;

// The system's outputs: SDL's default device for kDefaultDevice, the real-time no-sound
// device for kNoSoundDevice.
std::unique_ptr<AudioOutput> OpenSystemOutput(int device, uint32_t rate, SoundSource& source);

// The module player: modules rendered by libopenmpt and mixed into one output. The output
// pulls on its own thread; one lock guards the tracks against the calls of the GUI thread.
class OpenMptEngine final : public AudioEngine, private SoundSource {
 public:
  OpenMptEngine();
  // For tests: another output, and the clock that the position query reads.
  OpenMptEngine(OutputOpener openOutput, std::function<AudioClock::time_point()> now);
  ~OpenMptEngine() override;

  bool Init(int device, uint32_t rate) override;
  MusicHandle MusicLoad(const std::string& path) override;
  void MusicSetAttribute(MusicHandle music, int attribute, float value) override;
  void ChannelStop(MusicHandle music) override;
  void ChannelSetPosition(MusicHandle music, uint16_t order, uint16_t row) override;
  void ChannelPlay(MusicHandle music, bool restart) override;
  uint32_t ChannelIsActive(MusicHandle music) override;
  // The position of the sound leaving the speaker now, not of the renderer running ahead.
  uint32_t MusicGetOrderPosition(MusicHandle music) override;
  void Free() override;

 private:
  void Pull(float* interleaved, std::size_t frames, AudioClock::time_point heardAt) override;

  OutputOpener openOutput_;
  std::function<AudioClock::time_point()> now_;
  std::mutex mutex_;
  TrackMixer mixer_;
  HeardFrameClock clock_;
  // Touched by the GUI thread only, and never under the lock: closing it waits for a pull
  // that may be waiting for the lock.
  std::unique_ptr<AudioOutput> output_;
};

}  // namespace qv
