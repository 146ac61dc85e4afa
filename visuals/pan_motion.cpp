#include "visuals/pan_motion.h"

#include <cstdlib>

namespace qv {

void PlacePans(std::array<PanState, 2>& pans, std::time_t now) {
  std::srand(static_cast<unsigned>(now));
  // Four draws in a fixed order: track 1 x, track 1 y, track 2 x, track 2 y.
  for (PanState& pan : pans) {
    pan.x = static_cast<double>(std::rand() % 800);
    pan.y = static_cast<double>(std::rand() % 300);
  }
  for (PanState& pan : pans) {
    pan.vx = pan.vy = 1.0;
    pan.sx = pan.sy = 1;
  }
}

}  // namespace qv
