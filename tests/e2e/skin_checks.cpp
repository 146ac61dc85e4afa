#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "tests/e2e/mask_points.h"
#include "tests/e2e/pixel_set.h"
#include "tests/e2e/probe_commands.h"
#include "tests/e2e/probe_support.h"
#include "tests/e2e/x_connection.h"

namespace qv::probe {
namespace {

PixelSet ShapeOfWindow(Display* display, Window window, int width, int height) {
  PixelSet shape(width, height);
  int count = 0;
  int ordering = 0;
  const XPtr<XRectangle> rectangles(
      XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering));
  for (int i = 0; i < count; ++i) {
    const XRectangle& r = rectangles.get()[i];
    shape.Add(r.x, r.y, r.x + r.width, r.y + r.height);
  }
  return shape;
}

}  // namespace

int ShapeCommand(Display* display, const Arguments& args) {
  const auto skin = LoadSkin(args[1]);
  if (!skin) return 1;
  const int width = skin->masks.width;
  const int height = skin->masks.height;
  const PixelSet expected = PixelSetOf(skin->outline, width, height);
  const PixelSet actual = ShapeOfWindow(display, ParseWindow(args[0]), width, height);
  const std::string difference = DescribeDifference(expected, actual);
  if (!difference.empty()) {
    std::cerr << "window_probe: bounding shape differs from the outline: " << difference << '\n';
    return 1;
  }
  std::cout << "shape matches the outline (" << expected.Count() << " pixels)\n";
  return 0;
}

// Inside the outline every pixel must be the off skin's, outside it the root colour.
int ScreenCommand(Display* display, const Arguments& args) {
  const auto skin = LoadSkin(args[1]);
  if (!skin) return 1;
  const auto decoded = LoadPicture(args[2]);
  if (!decoded) return 1;
  const ColorBitmap& offSkin = *decoded;
  const int width = skin->masks.width;
  const int height = skin->masks.height;
  if (offSkin.width != width || offSkin.height != height) {
    std::cerr << "window_probe: " << args[2] << " is " << offSkin.width << "x" << offSkin.height
              << ", not the mask's " << width << "x" << height << '\n';
    return 1;
  }
  const uint32_t rootColour = static_cast<uint32_t>(std::stoul(args[3], nullptr, 16));

  const auto screen = CaptureWindow(display, ParseWindow(args[0]), width, height);
  if (!screen) return 1;
  const PixelSet outline = PixelSetOf(skin->outline, width, height);
  int wrong = 0;
  std::string first;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool inside = outline.Contains(x, y);
      const uint32_t expected = inside ? offSkin.At(x, y) : rootColour;
      const uint32_t seen = screen->At(x, y);
      if (seen == expected) continue;
      if (wrong++ == 0) {
        std::ostringstream where;
        where << '(' << x << ", " << y << ") " << (inside ? "inside" : "outside") << " is "
              << Hex(seen) << ", not " << Hex(expected);
        first = where.str();
      }
    }
  }
  if (wrong != 0) {
    std::cerr << "window_probe: " << wrong << " pixels differ, first at " << first << '\n';
    return 1;
  }
  std::cout << "screen shows the off skin inside the outline and the root outside\n";
  return 0;
}

int PointCommand(const Arguments& args) {
  if (!IsRegionName(args[1])) {
    std::cerr << "window_probe: no region " << args[1] << '\n';
    return 2;
  }
  const auto skin = LoadSkin(args[0]);
  if (!skin) return 1;
  const auto point = DeepestPoint(skin->masks, args[1]);
  if (!point) {
    std::cerr << "window_probe: the mask has no pixel of " << args[1] << '\n';
    return 1;
  }
  std::cout << point->x << ' ' << point->y << '\n';
  return 0;
}

int MaskSizeCommand(const Arguments& args) {
  const auto skin = LoadSkin(args[0]);
  if (!skin) return 1;
  std::cout << skin->masks.width << ' ' << skin->masks.height << '\n';
  return 0;
}

}  // namespace qv::probe
