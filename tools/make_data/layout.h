#pragma once

#include <array>

#include "tools/make_data/geometry.h"

namespace qv::make_data {

inline constexpr int kSkinWidth = 500;
inline constexpr int kSkinHeight = 310;

// The player's shapes, in pixels of the 500 × 310 skin. The mask, both looks and the icon are
// all drawn from this one description, so they cannot disagree.
struct PlayerLayout {
  RoundBox leftLobe;
  RoundBox rightLobe;
  double lobeFillet = 0;
  RoundBox crest;  // the drag handle plate
  double crestMountMargin = 0;
  Circle closePod;
  Circle closeCap;
  Circle chin;                      // the boss under the join that carries the power lamp
  std::array<RoundBox, 2> screens;  // track 1, track 2
  double bezelWidth = 0;
  std::array<RoundBox, 2> keys;  // the track buttons' caps
  double keyWellMargin = 0;
  Circle strapHole;  // a cut-out through the body
  double grommetWidth = 0;
  std::array<Circle, 5> screws;
  std::array<Capsule, 6> vents;  // cooling slots down the right flank
  Vec2 powerLed;
  RoundBox meterSlot;  // the level meter between the screens
  int meterSegments = 0;
};

PlayerLayout MakePlayerLayout();

// Signed distance to the outline of the whole body, cut-out included.
double BodyDistance(const PlayerLayout& layout, Vec2 p);

RoundBox Bezel(const PlayerLayout& layout, int track);
RoundBox KeyWell(const PlayerLayout& layout, int track);
RoundBox CrestMount(const PlayerLayout& layout);
Circle Grommet(const PlayerLayout& layout);

}  // namespace qv::make_data
