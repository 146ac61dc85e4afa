#include "platform/sdl/x11_shape.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace qv {
namespace {

short ClampToShort(int value) {
  return static_cast<short>(std::clamp(value, SHRT_MIN, SHRT_MAX));
}

std::vector<XRectangle> ToXRectangles(const Outline& outline) {
  std::vector<XRectangle> rectangles;
  rectangles.reserve(outline.size());
  for (const OutlineRect& rect : outline) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) continue;
    rectangles.push_back(
        XRectangle{ClampToShort(rect.left), ClampToShort(rect.top),
                   static_cast<unsigned short>(std::min(rect.right - rect.left, USHRT_MAX)),
                   static_cast<unsigned short>(std::min(rect.bottom - rect.top, USHRT_MAX))});
  }
  return rectangles;
}

}  // namespace

void ApplyBoundingShape(const X11Window& x11, const Outline& outline) {
  int eventBase = 0;
  int errorBase = 0;
  if (!XShapeQueryExtension(x11.display, &eventBase, &errorBase)) return;
  if (outline.empty()) {
    XShapeCombineMask(x11.display, x11.window, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    std::vector<XRectangle> rectangles = ToXRectangles(outline);
    // The outline lists rows bottom-up, so the server must not assume any order.
    XShapeCombineRectangles(x11.display, x11.window, ShapeBounding, 0, 0, rectangles.data(),
                            static_cast<int>(rectangles.size()), ShapeSet, Unsorted);
  }
  XFlush(x11.display);
}

}  // namespace qv
