#include "tools/make_data/duskvale_painter.h"

#include "tools/make_data/dusk_parts.h"

namespace qv::make_data {

Canvas PaintDuskvale() {
  Canvas canvas(kDuskvaleWidth, kDuskvaleHeight);
  PaintDuskSky(canvas);
  PaintDuskHills(canvas);
  PaintVillage(canvas);
  PaintLake(canvas);
  PaintBoat(canvas);
  PaintNearBank(canvas);
  PaintShoreTrees(canvas);
  PaintReedbeds(canvas);
  return canvas;
}

}  // namespace qv::make_data
