#pragma once

#include "tools/make_data/canvas.h"
#include "tools/make_data/layout.h"
#include "tools/make_data/look.h"
#include "tools/make_data/shading.h"

namespace qv::make_data {

// Each track's theme colour, on its button.
constexpr Rgb TrackAccent(int track) {
  return track == 0 ? Hex(0xFFB030) : Hex(0x3F7CFF);
}

// The tint of a track's screen when faintly lit: amber phosphor looks oranger than the amber
// of the button when it is this dim.
constexpr Rgb ScreenGlow(int track) {
  return track == 0 ? Hex(0xFF8A1C) : TrackAccent(track);
}

// The painters of the skin, back to front. Whatever differs between the two looks on a track
// button stays inside that button's mask region, because the player mixes the looks there.
void PaintShell(Canvas& canvas, const PlayerLayout& layout);  // the same in both looks
void PaintCrest(Canvas& canvas, const PlayerLayout& layout, Look look);
void PaintScreen(Canvas& canvas, const PlayerLayout& layout, int track, Look look);
void PaintTrackKey(Canvas& canvas, const PlayerLayout& layout, int track, Look look);
void PaintCloseButton(Canvas& canvas, const PlayerLayout& layout, Look look);
void PaintFittings(Canvas& canvas, const PlayerLayout& layout, Look look);

}  // namespace qv::make_data
