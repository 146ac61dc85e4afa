#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/noise.h"
#include "tools/make_data/shading.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 1601;

// A fir: tiers of boughs, each widening downward and stepping back in under the next.
struct Fir {
  double x;
  double top;
  double spread;
};

void PaintFir(Canvas& canvas, const Fir& fir, uint32_t seed) {
  const double bottom = NearBankTop(fir.x) + 4;
  const double height = bottom - fir.top;
  const double tier = 11 + height * 0.035;
  const Field shape = [&](Vec2 p) {
    const double down = p.y - fir.top;
    const double side = std::abs(p.x - fir.x);
    if (down < 0) return Length(p - Vec2{fir.x, fir.top});
    // Within a tier the boughs reach out and droop: widest at the tier's foot, tucked in at its
    // top.
    const double phase = down / tier - std::floor(down / tier);
    const double bough = 0.55 + 0.45 * phase * (2 - phase);
    const double needles = (Fbm({p.x / 2.5, p.y / 1.8}, 3, seed) - 0.5) * 6;
    const double clumps = (Fbm({p.x / 9, p.y / 7}, 2, seed + 1) - 0.5) * 10;
    const double half = down * fir.spread * bough + (needles + clumps) * Clamp01(down / 25);
    // The trunk shows only below the lowest boughs.
    const double trunk = down > height * 0.85 ? side - 2 - height * 0.006 : 1e9;
    return std::min(side - half, trunk);
  };
  const int reach = static_cast<int>(height * fir.spread) + 10;
  PaintShape(canvas, shape,
             {static_cast<int>(fir.x) - reach, static_cast<int>(fir.top) - 2,
              static_cast<int>(fir.x) + reach, static_cast<int>(bottom) + 1},
             [&](Vec2 p, double d) {
               const double towardSun = (p.x > fir.x) == (fir.x < kSun.center.x) ? 1 : 0.15;
               return Backlit(-d, towardSun);
             });
}

// A broad leafy tree: a crown of small leaf clumps with sky showing through, on a forked trunk.
void PaintLeafyTree(Canvas& canvas) {
  const double ground = NearBankTop(1128) + 6;
  const std::array kLimbs = {
      Capsule{{1128, ground}, {1124, 540}, 6.5}, Capsule{{1124, 540}, {1096, 462}, 3.5},
      Capsule{{1125, 556}, {1160, 470}, 3.5},    Capsule{{1100, 476}, {1070, 430}, 2},
      Capsule{{1152, 490}, {1182, 430}, 2},      Capsule{{1124, 520}, {1128, 440}, 2.5},
  };
  // Clumps scattered round the crown's rim, merged into one mass with a solid heart.
  const Vec2 center{1128, 420};
  const Vec2 half{104, 80};
  std::vector<Circle> clumps;
  for (int i = 0; clumps.size() < 140 && i < 4000; ++i) {
    const Vec2 at{center.x + (HashUnit(i, 0, kSeed + 40) * 2 - 1) * half.x,
                  center.y + (HashUnit(i, 1, kSeed + 40) * 2 - 1) * half.y};
    const double r = Length({(at.x - center.x) / half.x, (at.y - center.y) / half.y});
    if (r > 1 || r < 0.55) continue;
    clumps.push_back({at, 7 + 9 * HashUnit(i, 2, kSeed + 40)});
  }
  const Field tree = [&](Vec2 p) {
    const Vec2 local{(p.x - center.x) / half.x, (p.y - center.y) / half.y};
    double d = (Length(local) - 0.72) * half.y;
    for (const Circle& clump : clumps)
      d = SmoothUnion(d, Distance(clump, p), 5);
    // Gaps where the evening sky shows through the leaves.
    d += SmoothStep(0.62, 0.7, Fbm(p * (1 / 11.0), 3, kSeed + 42)) * 14 *
         SmoothStep(0.45, 0.8, Length(local));
    for (const Capsule& limb : kLimbs)
      d = std::min(d, Distance(limb, p));
    return d + (Fbm(p * (1 / 2.2), 2, kSeed + 41) - 0.5) * 5;
  };
  PaintShape(canvas, tree, {1000, 300, canvas.width(), static_cast<int>(ground) + 2},
             [&](Vec2 p, double d) {
               const Vec2 n = Normal(tree, p);
               return Backlit(-d, -n.x * 1.2 - n.y * 0.5);
             });
}

}  // namespace

void PaintShoreTrees(Canvas& canvas) {
  constexpr Fir kFirs[] = {
      {118, 392, 0.26}, {-6, 300, 0.25},   {70, 236, 0.24},  {28, 330, 0.27},
      {168, 520, 0.25}, {1010, 506, 0.25}, {986, 560, 0.24},
  };
  uint32_t seed = kSeed;
  for (const Fir& fir : kFirs)
    PaintFir(canvas, fir, seed++);
  PaintLeafyTree(canvas);
}

}  // namespace qv::make_data
