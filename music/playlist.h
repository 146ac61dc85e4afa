#pragma once

#include <array>

#include "music/audio_engine.h"
#include "music/motion_params.h"

namespace qv {

enum class PlayMode { Idle = 0, FirstTrack = 1, SecondTrack = 2 };

struct TrackInfo {
  const char* modulePath;
  PlayMode mode;  // the play mode while this track plays
  MotionParams preset;
};

// The two tracks, fixed at build time; index 0 is track 1.
inline constexpr std::array<TrackInfo, 2> kTracks{{
    {"data/tov_amber_drift.it", PlayMode::FirstTrack, {0.3, 0.7, 10.0}},
    {"data/tov_cobalt_orbit.it", PlayMode::SecondTrack, {11.0, 0.7, 10.0}},
}};

// The looping two-track playlist. It learns that a track has ended only by asking the engine
// on the timer tick, and once a track has started it never returns to Idle.
struct Playlist {
  AudioEngine& engine;
  MotionParams& motion;
  std::array<MusicHandle, 2> handles{};  // 0 until opened, or when loading failed
  PlayMode mode = PlayMode::Idle;
};

// Opens the engine (falling back to the no-sound device) and loads both modules.
void OpenMusic(Playlist& playlist);
// Stops both tracks and plays `track` (1 or 2) from its beginning with its preset.
void StartTrack(Playlist& playlist, int track);
// Hands over to the other track when the playing one has ended.
void PlaylistTick(Playlist& playlist);
void CloseMusic(Playlist& playlist);

// The handle of the track that `mode` names; 0 in Idle.
MusicHandle PlayingHandle(const Playlist& playlist);

}  // namespace qv
