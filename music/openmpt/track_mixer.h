#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "music/audio_engine.h"
#include "music/openmpt/openmpt_module.h"
#include "music/openmpt/position_stamps.h"

namespace qv {

// The loaded modules and their play state, mixed into one stream of stereo float frames.
// Not thread-safe: the engine holds one lock around every call.
class TrackMixer {
 public:
  // Frames rendered between two position stamps: 2.9 ms at 44100 Hz.
  static constexpr std::size_t kBlockFrames = 128;

  explicit TrackMixer(uint32_t rate = kOutputRate);

  void SetRate(uint32_t rate) { rate_ = rate; }
  // The new track's handle: 1, 2, ... in load order, never reused.
  MusicHandle Add(OpenMptModule module);
  void Clear();

  // On a handle that is not loaded (0 among them), these do nothing and answer 0.
  void SetAmplification(MusicHandle music, float value);
  void Play(MusicHandle music, bool restart);
  void Stop(MusicHandle music);
  void SetPosition(MusicHandle music, uint16_t order, uint16_t row);
  bool IsPlaying(MusicHandle music) const;
  // The packed order position of the track at frame `frame` of the stream.
  uint32_t PositionAt(MusicHandle music, uint64_t frame) const;

  // Renders the next `frames` frames of the stream: the playing tracks summed, silence
  // where none plays, past a track's end and once it is stopped.
  void Render(float* interleaved, std::size_t frames);
  // Frames rendered so far: the stream position of the next frame to render.
  uint64_t FramesRendered() const { return rendered_; }

 private:
  struct Track {
    OpenMptModule module;
    bool playing = false;
    bool ended = false;  // silent until its position is set again
    PositionStamps stamps;
  };
  Track* Find(MusicHandle music);
  const Track* Find(MusicHandle music) const;
  void RenderBlock(float* interleaved, std::size_t frames);

  uint32_t rate_;
  std::map<MusicHandle, Track> tracks_;
  MusicHandle lastHandle_ = 0;
  uint64_t rendered_ = 0;
  std::vector<float> scratch_;
};

// Amplification 0..100 as a gain in millibel: 100 is unity, 50 half the amplitude (-6 dB),
// 0 silent; values outside are held to that range.
int32_t AmplificationToMillibel(float value);

}  // namespace qv
