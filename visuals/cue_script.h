#pragma once

#include <array>
#include <cstdint>

#include "music/audio_engine.h"
#include "music/motion_params.h"
#include "visuals/pan_motion.h"

namespace qv {

// Applies every rule of `track`'s list (1 or 2) that holds at this order and row, first to
// last: later rules overwrite earlier ones. A rule keeps no memory; what it wrote stands
// until something else writes over it. Velocity rules write `pan`, the playing track's.
void EvaluateCues(int track, uint16_t order, uint16_t row, MotionParams& motion, PanState& pan);

// Reads the playing track's position once and evaluates its cues there.
void ApplyCues(int track, AudioEngine& engine, MusicHandle music, MotionParams& motion,
               std::array<PanState, 2>& pans);

}  // namespace qv
