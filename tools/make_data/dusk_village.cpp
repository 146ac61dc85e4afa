#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/make_data/dusk_parts.h"
#include "tools/make_data/shading.h"
#include "tools/make_data/soft_light.h"
#include "tools/make_data/texture.h"

namespace qv::make_data {
namespace {

constexpr uint32_t kSeed = 1201;
constexpr Rgb kWall = Hex(0x3A2B4C);
constexpr Rgb kRoof = Hex(0x22182F);
constexpr Rgb kLamp = Hex(0xFFC35A);

struct House {
  double left;
  double width;
  double wall;  // height of the walls
  double roof;  // height of the gable
  double ground;
  bool chimney;
};

// Cottages along the shore, a little uneven, and a second row up the slope behind them.
std::vector<House> LayOutHouses(int row) {
  const uint32_t seed = kSeed + static_cast<uint32_t>(row) * 10;
  const double uphill = row == 0 ? 9 : 0;
  std::vector<House> houses;
  double x = row == 0 ? 338 : 326;
  for (int i = 0; x < 480; ++i) {
    const double width = 10 + 8 * HashUnit(i, 0, seed) - uphill * 0.3;
    const double center = x + width / 2;
    houses.push_back({x, width, 7 + 6 * HashUnit(i, 1, seed), 4 + 4 * HashUnit(i, 2, seed),
                      FarShoreGround(center) + 3 - uphill, HashUnit(i, 3, seed) < 0.5});
    x += width + 2 + 7 * HashUnit(i, 4, seed) + uphill;
  }
  return houses;
}

void PaintWindows(Canvas& canvas, const House& house, int index) {
  const double top = house.ground - house.wall + 2.5;
  const int columns = std::max(1, static_cast<int>((house.width - 3) / 4));
  for (int row = 0; top + row * 4 + 2 < house.ground - 1; ++row) {
    for (int c = 0; c < columns; ++c) {
      if (HashUnit(index * 16 + c, row, kSeed + 7) > 0.55) continue;
      const double left = house.left + 2 + c * (house.width - 4) / columns;
      const RoundBox pane{{left + 1, top + row * 4 + 1}, {1, 1}, {}};
      const double warmth = 0.75 + 0.25 * HashUnit(index, c + row * 8, kSeed + 8);
      PaintShape(
          canvas, [&pane](Vec2 p) { return Distance(pane, p); }, BoundsOf(pane, 6),
          [&](Vec2, double) { return kLamp * warmth; });
      // Light spilling onto the walls around the pane.
      for (int y = static_cast<int>(pane.center.y) - 5; y <= static_cast<int>(pane.center.y) + 5;
           ++y) {
        for (int x = static_cast<int>(pane.center.x) - 5; x <= static_cast<int>(pane.center.x) + 5;
             ++x) {
          const double d = Length(Vec2{x + 0.5, y + 0.5} - pane.center);
          canvas.at(x, y) = Screen(canvas.at(x, y), kLamp * (0.22 * warmth * Halo(d, 2.2)));
        }
      }
    }
  }
}

void PaintHouse(Canvas& canvas, const House& house, int index) {
  const RoundBox walls{{house.left + house.width / 2, house.ground - house.wall / 2 + 3},
                       {house.width / 2, house.wall / 2 + 3},
                       {}};
  const double eaves = house.ground - house.wall;
  const Triangle gable{{house.left - 1.5, eaves + 0.5},
                       {house.left + house.width / 2, eaves - house.roof},
                       {house.left + house.width + 1.5, eaves + 0.5}};
  const RoundBox chimney{{house.left + house.width * 0.75, eaves - house.roof * 0.6}, {1.2, 3}, {}};
  PaintShape(
      canvas, [&walls](Vec2 p) { return Distance(walls, p); }, BoundsOf(walls, 2),
      [](Vec2, double) { return kWall; });
  const Field roof = [&](Vec2 p) {
    const double d = Distance(gable, p);
    return house.chimney ? std::min(d, Distance(chimney, p)) : d;
  };
  PaintShape(canvas, roof,
             {static_cast<int>(house.left) - 3, static_cast<int>(eaves - house.roof) - 6,
              static_cast<int>(house.left + house.width) + 4, static_cast<int>(eaves) + 2},
             [](Vec2, double) { return kRoof; });
  PaintWindows(canvas, house, index);
}

// A chapel with a steeple, its belfry lit.
void PaintChapel(Canvas& canvas) {
  const double x = 404;
  const double ground = FarShoreGround(x) + 3;
  const RoundBox tower{{x, ground - 14}, {4, 17}, {}};
  const Triangle spire{{x - 5, ground - 30}, {x, ground - 50}, {x + 5, ground - 30}};
  const Capsule cross{{x, ground - 50}, {x, ground - 55}, 0.5};
  const Capsule arm{{x - 2, ground - 53}, {x + 2, ground - 53}, 0.5};
  const Field chapel = [&](Vec2 p) {
    return std::min({Distance(tower, p), Distance(spire, p), Distance(cross, p), Distance(arm, p)});
  };
  PaintShape(canvas, chapel, BoundsOf(RoundBox{{x, ground - 28}, {6, 28}, {}}, 3),
             [](Vec2, double) { return kRoof; });
  const RoundBox belfry{{x, ground - 24}, {1.2, 2.5}, {1.2, 1.2, 0, 0}};
  PaintShape(
      canvas, [&belfry](Vec2 p) { return Distance(belfry, p); }, BoundsOf(belfry, 2),
      [](Vec2, double) { return kLamp; });
}

}  // namespace

void PaintVillage(Canvas& canvas) {
  for (int row = 0; row < 2; ++row) {
    const std::vector<House> houses = LayOutHouses(row);
    if (row == 1) PaintChapel(canvas);
    for (size_t i = 0; i < houses.size(); ++i) {
      PaintHouse(canvas, houses[i], static_cast<int>(i) + row * 100);
    }
  }
}

}  // namespace qv::make_data
