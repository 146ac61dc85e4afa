#include "music/openmpt/track_mixer.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace qv {
namespace {

constexpr int32_t kSilentMillibel = -10000;  // -100 dB

}  // namespace

int32_t AmplificationToMillibel(float value) {
  const float amplification = std::clamp(value, 0.0f, 100.0f);
  if (amplification <= 0.0f) return kSilentMillibel;
  const double millibel = 2000.0 * std::log10(amplification / 100.0);
  return std::max(kSilentMillibel, static_cast<int32_t>(std::lround(millibel)));
}

TrackMixer::TrackMixer(uint32_t rate) : rate_(rate), scratch_(2 * kBlockFrames) {}

MusicHandle TrackMixer::Add(OpenMptModule module) {
  const MusicHandle handle = ++lastHandle_;
  tracks_.emplace(handle, Track{std::move(module), false, false, PositionStamps()});
  return handle;
}

void TrackMixer::Clear() {
  tracks_.clear();
}

TrackMixer::Track* TrackMixer::Find(MusicHandle music) {
  auto it = tracks_.find(music);
  return it == tracks_.end() ? nullptr : &it->second;
}

const TrackMixer::Track* TrackMixer::Find(MusicHandle music) const {
  auto it = tracks_.find(music);
  return it == tracks_.end() ? nullptr : &it->second;
}

void TrackMixer::SetAmplification(MusicHandle music, float value) {
  if (Track* track = Find(music)) track->module.SetGainMillibel(AmplificationToMillibel(value));
}

void TrackMixer::Play(MusicHandle music, bool restart) {
  Track* track = Find(music);
  if (track == nullptr) return;
  if (restart) SetPosition(music, 0, 0);
  track->playing = true;
}

void TrackMixer::Stop(MusicHandle music) {
  if (Track* track = Find(music)) track->playing = false;
}

void TrackMixer::SetPosition(MusicHandle music, uint16_t order, uint16_t row) {
  Track* track = Find(music);
  if (track == nullptr) return;
  track->module.SetPosition(order, row);
  track->ended = false;
  track->stamps.Restart(MakeOrderPosition(track->module.Order(), track->module.Row()));
}

bool TrackMixer::IsPlaying(MusicHandle music) const {
  const Track* track = Find(music);
  return track != nullptr && track->playing && !track->ended;
}

uint32_t TrackMixer::PositionAt(MusicHandle music, uint64_t frame) const {
  const Track* track = Find(music);
  return track == nullptr ? 0 : track->stamps.At(frame);
}

void TrackMixer::Render(float* interleaved, std::size_t frames) {
  while (frames > 0) {
    const std::size_t block = std::min(frames, kBlockFrames);
    RenderBlock(interleaved, block);
    interleaved += 2 * block;
    frames -= block;
  }
}

void TrackMixer::RenderBlock(float* interleaved, std::size_t frames) {
  std::fill_n(interleaved, 2 * frames, 0.0f);
  for (auto& [handle, track] : tracks_) {
    if (!track.playing || track.ended) continue;
    // Taken before the read: once a read reaches the end the library answers order 0,
    // row 0, and the query must keep the last position played.
    const uint32_t position = MakeOrderPosition(track.module.Order(), track.module.Row());
    const std::size_t got = track.module.Read(rate_, frames, scratch_.data());
    if (got > 0) track.stamps.Record(rendered_, position);
    if (got < frames) {
      track.ended = true;
      track.playing = false;
    }
    std::transform(scratch_.begin(), scratch_.begin() + 2 * got, interleaved, interleaved,
                   std::plus<>());
  }
  std::for_each(interleaved, interleaved + 2 * frames,
                [](float& sample) { sample = std::clamp(sample, -1.0f, 1.0f); });
  rendered_ += frames;
}

}  // namespace qv
