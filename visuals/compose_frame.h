#pragma once

#include <array>

#include "music/motion_params.h"
#include "music/playlist.h"
#include "platform/bitmap.h"
#include "skin/skin_masks.h"
#include "visuals/pan_motion.h"
#include "visuals/pictures.h"

namespace qv {

// What a paint draws from, and the motion state it may advance.
struct FrameContext {
  const Pictures& pictures;
  const SkinBitmaps& stencils;
  const Playlist& playlist;
  std::array<PanState, 2>& pans;
  MotionParams& motion;
};

// Composes the whole window into `frame` (the mask's size): the off skin inside the outline
// and black outside it. Every pixel of the frame is written.
void ComposeFrame(FrameContext& context, ColorBitmap& frame);

// The masked copy: where the stencil's bit is set the source pixel, elsewhere black.
void CopyThroughStencil(const ColorBitmap& source, const MonoBitmap& stencil, ColorBitmap& frame);

}  // namespace qv
