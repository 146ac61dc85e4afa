#include "music/playlist.h"

namespace qv {

namespace {

constexpr float kFullAmplification = 100.0f;

// Rewind and play, without stopping the other track: the hand-over path.
void PlayFromStart(Playlist& playlist, int index) {
  const MusicHandle music = playlist.handles[static_cast<size_t>(index)];
  playlist.engine.ChannelSetPosition(music, 0, 0);
  playlist.engine.ChannelPlay(music, false);
  playlist.mode = kTracks[static_cast<size_t>(index)].mode;
  playlist.motion = kTracks[static_cast<size_t>(index)].preset;
}

bool HasEnded(Playlist& playlist, int index) {
  return playlist.engine.ChannelIsActive(playlist.handles[static_cast<size_t>(index)]) == 0;
}

}  // namespace

void OpenMusic(Playlist& playlist) {
  if (!playlist.engine.Init(kDefaultDevice, kOutputRate)) {
    // Whether the no-sound device starts is never asked: the playlist runs the same either way.
    playlist.engine.Init(kNoSoundDevice, kOutputRate);
  }
  for (size_t i = 0; i < kTracks.size(); ++i) {
    playlist.handles[i] = playlist.engine.MusicLoad(kTracks[i].modulePath);
    playlist.engine.MusicSetAttribute(playlist.handles[i], kAmplificationAttribute,
                                      kFullAmplification);
  }
}

void StartTrack(Playlist& playlist, int track) {
  if (track != 1 && track != 2) return;
  playlist.engine.ChannelStop(playlist.handles[0]);
  playlist.engine.ChannelStop(playlist.handles[1]);
  PlayFromStart(playlist, track - 1);
}

void PlaylistTick(Playlist& playlist) {
  if (playlist.mode == PlayMode::FirstTrack && HasEnded(playlist, 0)) {
    PlayFromStart(playlist, 1);
  } else if (playlist.mode != PlayMode::SecondTrack) {
    return;
  }
  // Track 2 is asked in the same tick it was started, so one that cannot play hands straight
  // back to track 1.
  if (HasEnded(playlist, 1)) PlayFromStart(playlist, 0);
}

void CloseMusic(Playlist& playlist) {
  playlist.engine.Free();
}

MusicHandle PlayingHandle(const Playlist& playlist) {
  switch (playlist.mode) {
    case PlayMode::FirstTrack:
      return playlist.handles[0];
    case PlayMode::SecondTrack:
      return playlist.handles[1];
    case PlayMode::Idle:
      break;
  }
  return 0;
}

}  // namespace qv
