#include "tools/make_data/layout.h"

namespace qv::make_data {

PlayerLayout MakePlayerLayout() {
  PlayerLayout layout;
  layout.leftLobe = {{119, 172}, {115, 134}, {80, 26, 30, 90}};
  layout.rightLobe = {{362, 155}, {134, 139}, {26, 50, 100, 30}};
  layout.lobeFillet = 22;
  layout.crest = {{128, 24}, {92, 17}, {17, 17, 17, 17}};
  layout.crestMountMargin = 6;
  layout.closePod = {{472, 28}, 23};
  layout.closeCap = {{472, 28}, 16.5};
  layout.chin = {{232, 288}, 20};
  // Outer corners rounder than inner ones: the two screens read as a pair of lenses.
  layout.screens[0] = {{120, 158}, {89, 96.5}, {36, 14, 14, 36}};
  layout.screens[1] = {{353, 143}, {105, 101.5}, {14, 36, 36, 14}};
  layout.bezelWidth = 8;
  layout.keys[0] = {{120, 284}, {52, 12}, {12, 12, 12, 12}};
  layout.keys[1] = {{353, 270}, {52, 12}, {12, 12, 12, 12}};
  layout.keyWellMargin = 4;
  layout.strapHole = {{38, 266}, 7};
  layout.grommetWidth = 5;
  layout.screws = {{{{219, 43}, 4.5},
                    {{243, 33}, 4.5},
                    {{440, 272}, 4.5},
                    {{206, 292}, 4.5},
                    {{258, 278}, 4.5}}};
  for (size_t i = 0; i < layout.vents.size(); ++i) {
    const double y = 118 + 13.0 * static_cast<double>(i);
    layout.vents[i] = {{472, y}, {480, y}, 2};
  }
  layout.powerLed = {232, 290};
  layout.meterSlot = {{228.5, 150}, {5.5, 52}, {3, 3, 3, 3}};
  layout.meterSegments = 12;
  return layout;
}

RoundBox Bezel(const PlayerLayout& layout, int track) {
  return Grow(layout.screens.at(track), layout.bezelWidth);
}

RoundBox KeyWell(const PlayerLayout& layout, int track) {
  return Grow(layout.keys.at(track), layout.keyWellMargin);
}

RoundBox CrestMount(const PlayerLayout& layout) {
  return Grow(layout.crest, layout.crestMountMargin);
}

Circle Grommet(const PlayerLayout& layout) {
  return Grow(layout.strapHole, layout.grommetWidth);
}

double BodyDistance(const PlayerLayout& layout, Vec2 p) {
  const double k = layout.lobeFillet;
  double d = SmoothUnion(Distance(layout.leftLobe, p), Distance(layout.rightLobe, p), k);
  d = SmoothUnion(d, Distance(CrestMount(layout), p), k * 0.6);
  d = SmoothUnion(d, Distance(layout.closePod, p), k * 0.4);
  d = SmoothUnion(d, Distance(layout.chin, p), k * 0.6);
  return std::max(d, -Distance(layout.strapHole, p));
}

}  // namespace qv::make_data
