#pragma once

#include <array>
#include <optional>

#include "app/run_player.h"
#include "music/motion_params.h"
#include "music/playlist.h"
#include "platform/bitmap.h"
#include "skin/build_skin.h"
#include "visuals/pan_motion.h"
#include "visuals/pictures.h"

namespace qv {

// Everything the player keeps for the life of the process; start-up makes the one instance.
struct AppState {
  explicit AppState(PlayerServices& services) : services(services) {}

  PlayerServices& services;
  Skin skin;
  std::optional<PictureHolders> holders;  // made on the window procedure's first call
  Pictures pictures;
  MotionParams motion;
  Playlist playlist{services.audio, motion};
  std::array<PanState, 2> pans;
  ColorBitmap frameBuffer;  // reused by every paint, which rewrites all of it
};

}  // namespace qv
