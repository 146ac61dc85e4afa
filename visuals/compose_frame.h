#pragma once

#include <array>

#include "music/motion_params.h"
#include "music/playlist.h"
#include "platform/bitmap.h"
#include "skin/skin_masks.h"
#include "visuals/pan_motion.h"
#include "visuals/pictures.h"

namespace qv {

// What a paint draws from, and the motion state it advances.
struct FrameContext {
  const Pictures& pictures;
  const SkinBitmaps& stencils;
  const Playlist& playlist;
  std::array<PanState, 2>& pans;
  MotionParams& motion;
  const TickSource& tickMs;
};

// Composes the whole window into `frame` (the mask's size), writing every pixel. Idle: the
// off skin inside the outline, black outside. While a track plays, the playing track's cues
// are applied and its pan stepped once; the frame shows the on skin everywhere but the other
// track's button, and the track's picture inside its viewport at the pan's offset.
void ComposeFrame(FrameContext& context, ColorBitmap& frame);

// The layers of a frame, as one pass over its pixels. Where `shape` is set the off skin,
// elsewhere black; then, when `skinOn` is given, the on skin wherever `keepOff` is clear;
// then, when `picture` is given, picture pixel (px + ox, py + oy) wherever `viewportCut` is
// clear, or black where that lies outside the picture.
struct FrameLayers {
  const ColorBitmap& skinOff;
  const MonoBitmap& shape;
  const ColorBitmap* skinOn = nullptr;
  const MonoBitmap* keepOff = nullptr;
  const ColorBitmap* picture = nullptr;
  const MonoBitmap* viewportCut = nullptr;
  int ox = 0;
  int oy = 0;
};
void ComposeLayers(const FrameLayers& layers, ColorBitmap& frame);

// A pan coordinate as a picture offset: truncated toward zero.
int PictureOffset(double coordinate);

}  // namespace qv
