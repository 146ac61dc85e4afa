#pragma once

#include "tools/make_data/canvas.h"
#include "tools/make_data/geometry.h"

namespace qv::make_data {

// Where the far shore meets the lake: everything above is mirrored below it.
inline constexpr double kWaterLine = 432;
inline constexpr Circle kSun{{706, 352}, 23};

// The clear sky's colour at a height, before clouds and sun glow.
Rgb DuskSkyColor(double y);
// Warm light spilling from the sun, strongest along the horizon.
Rgb SunGlow(Vec2 p);

// The top of the nearest hills across the lake, where the village stands.
double FarShoreGround(double x);

// The near bank's top edge, rising toward both sides so the trees there frame the lake.
double NearBankTop(double x);

// The shore's plants and trees are dark against the sky; edges facing the sun catch a warm line.
inline constexpr Rgb kShoreSilhouette = Hex(0x150E21);
inline constexpr Rgb kShoreRimLight = Hex(0xFF9F68);
// A silhouette's colour `inside` pixels in from its edge, `towardSun` (0..1) how much that edge
// faces the sun.
Rgb Backlit(double inside, double towardSun);

// The painters of the valley, back to front.
void PaintDuskSky(Canvas& canvas);
void PaintDuskHills(Canvas& canvas);
void PaintVillage(Canvas& canvas);
void PaintLake(Canvas& canvas);
void PaintBoat(Canvas& canvas);
void PaintNearBank(Canvas& canvas);
void PaintShoreTrees(Canvas& canvas);
void PaintReedbeds(Canvas& canvas);

}  // namespace qv::make_data
