#include "visuals/cue_script.h"

#include <span>

#include "visuals/cue_rules.h"

namespace qv {

namespace {

void Write(const std::optional<double>& value, double& field) {
  if (value) field = *value;
}

}  // namespace

void EvaluateCues(int track, uint16_t order, uint16_t row, MotionParams& motion, PanState& pan) {
  const std::span<const CueRule> rules = track == 1   ? std::span<const CueRule>(kFirstTrackCues)
                                         : track == 2 ? std::span<const CueRule>(kSecondTrackCues)
                                                      : std::span<const CueRule>();
  for (const CueRule& rule : rules) {
    if (!rule.orders.Has(order) || !rule.rows.Holds(row)) continue;
    Write(rule.speedLimit, motion.speedLimit);
    Write(rule.wobbleGain, motion.wobbleGain);
    Write(rule.damping, motion.damping);
    Write(rule.vx, pan.vx);
    Write(rule.vy, pan.vy);
  }
}

void ApplyCues(int track, AudioEngine& engine, MusicHandle music, MotionParams& motion,
               std::array<PanState, 2>& pans) {
  if (track != 1 && track != 2) return;
  // One snapshot of the position for all rules of this paint.
  const uint32_t position = engine.MusicGetOrderPosition(music);
  EvaluateCues(track, OrderOf(position), RowOf(position), motion,
               pans[static_cast<size_t>(track - 1)]);
}

}  // namespace qv
