// Screenshots of the real window while track 1 plays: which layer each mask code shows, and
// that only the picture moves.

#include <X11/Xlib.h>

#include <chrono>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/e2e/mask_points.h"
#include "tests/e2e/probe_commands.h"
#include "tests/e2e/probe_support.h"

namespace qv::probe {
namespace {

// Track 1's pan never leaves this box, so its picture offset is one of these.
constexpr int kMinOx = -30;
constexpr int kMaxOx = 982;
constexpr int kMinOy = -61;
constexpr int kMaxOy = 450;
// Big enough that a patch of a photograph matches at one offset only, small enough to search
// half a million offsets in no time.
constexpr int kPatchRadius = 3;
constexpr auto kMovingInterval = std::chrono::milliseconds(500);

struct Offset {
  int x = 0;
  int y = 0;
};

// Outside the picture the viewport is black, never the skin.
uint32_t PictureAt(const ColorBitmap& picture, int x, int y) {
  const bool inside = x >= 0 && y >= 0 && x < picture.width && y < picture.height;
  return inside ? picture.At(x, y) & 0xFFFFFFu : 0u;
}

std::vector<Point> RegionPixels(const SkinMasks& masks, const std::string& region) {
  std::vector<Point> pixels;
  for (int y = 0; y < masks.height; ++y) {
    for (int x = 0; x < masks.width; ++x) {
      if (InRegion(masks, region, x, y)) pixels.push_back(Point{x, y});
    }
  }
  return pixels;
}

bool ShowsPictureAt(const ColorBitmap& shot, const ColorBitmap& picture,
                    const std::vector<Point>& pixels, Offset offset) {
  for (const Point& p : pixels) {
    if (shot.At(p.x, p.y) != PictureAt(picture, p.x + offset.x, p.y + offset.y)) return false;
  }
  return true;
}

std::vector<Offset> OffsetsShowingPatch(const ColorBitmap& shot, const ColorBitmap& picture,
                                        const std::vector<Point>& patch) {
  std::vector<Offset> found;
  for (int oy = kMinOy; oy <= kMaxOy; ++oy) {
    for (int ox = kMinOx; ox <= kMaxOx; ++ox) {
      if (ShowsPictureAt(shot, picture, patch, Offset{ox, oy})) found.push_back(Offset{ox, oy});
    }
  }
  return found;
}

// The viewport pixels around its middle.
std::vector<Point> MiddlePatch(const SkinMasks& masks) {
  std::vector<Point> patch;
  const auto middle = DeepestPoint(masks, "9");
  if (!middle) return patch;
  for (int y = middle->y - kPatchRadius; y <= middle->y + kPatchRadius; ++y) {
    for (int x = middle->x - kPatchRadius; x <= middle->x + kPatchRadius; ++x) {
      if (InRegion(masks, "9", x, y)) patch.push_back(Point{x, y});
    }
  }
  return patch;
}

// Counts the pixels that differ from what was expected and remembers the first.
class Differences {
 public:
  // `what` completes "N pixels ...", `expectedWord` joins the two colours of the first.
  explicit Differences(std::string what, std::string expectedWord = "not")
      : what_(std::move(what)), expectedWord_(std::move(expectedWord)) {}

  void Compare(int x, int y, uint32_t seen, uint32_t expected) {
    if (seen == expected) return;
    if (count_++ != 0) return;
    std::ostringstream first;
    first << '(' << x << ", " << y << ") is " << Hex(seen) << ", " << expectedWord_ << ' '
          << Hex(expected);
    first_ = first.str();
  }
  // Empty when nothing differed.
  std::string Report() const {
    if (count_ == 0) return {};
    return std::to_string(count_) + " pixels " + what_ + ", first " + first_;
  }

 private:
  std::string what_;
  std::string expectedWord_;
  int count_ = 0;
  std::string first_;
};

bool SizeIsMask(const ColorBitmap& skin, const std::string& path, const SkinMasks& masks) {
  if (skin.width == masks.width && skin.height == masks.height) return true;
  std::cerr << "window_probe: " << path << " is " << skin.width << "x" << skin.height
            << ", not the mask's " << masks.width << "x" << masks.height << '\n';
  return false;
}

}  // namespace

// Code 14 shows the off skin, code 9 the first picture at one offset, the rest of the shape
// the on skin.
int PlayingCommand(Display* display, const Arguments& args) {
  const auto skin = LoadSkin(args[1]);
  const auto offSkin = LoadPicture(args[2]);
  const auto onSkin = LoadPicture(args[3]);
  const auto picture = LoadPicture(args[4]);
  if (!skin || !offSkin || !onSkin || !picture) return 1;
  const SkinMasks& masks = skin->masks;
  if (!SizeIsMask(*offSkin, args[2], masks) || !SizeIsMask(*onSkin, args[3], masks)) return 1;
  const auto shot = CaptureWindow(display, ParseWindow(args[0]), masks.width, masks.height);
  if (!shot) return 1;

  const std::vector<Point> viewport = RegionPixels(masks, "9");
  const std::vector<Offset> candidates = OffsetsShowingPatch(*shot, *picture, MiddlePatch(masks));
  std::optional<Offset> offset;
  for (const Offset& candidate : candidates) {
    if (!ShowsPictureAt(*shot, *picture, viewport, candidate)) continue;
    offset = candidate;
    break;
  }

  std::vector<std::string> complaints;
  if (candidates.empty()) {
    complaints.push_back("no offset in x " + std::to_string(kMinOx) + ".." +
                         std::to_string(kMaxOx) + ", y " + std::to_string(kMinOy) + ".." +
                         std::to_string(kMaxOy) + " shows " + args[4] + " in the middle of code 9");
  } else if (!offset) {
    // The middle matched but not the rest: the nearest thing to a right picture.
    const Offset best = candidates.front();
    Differences pictureDifferences("of code 9 that are not " + args[4] + " at (" +
                                   std::to_string(best.x) + ", " + std::to_string(best.y) + ")");
    for (const Point& p : viewport) {
      pictureDifferences.Compare(p.x, p.y, shot->At(p.x, p.y),
                                 PictureAt(*picture, p.x + best.x, p.y + best.y));
    }
    complaints.push_back(pictureDifferences.Report());
  }

  Differences offDifferences("of code 14 that are not the off skin");
  Differences onDifferences("of the shape (not 9 or 14) that are not the on skin");
  for (int y = 0; y < masks.height; ++y) {
    for (int x = 0; x < masks.width; ++x) {
      if (!HitTest(x, y, masks.shape) || InRegion(masks, "9", x, y)) continue;
      if (InRegion(masks, "14", x, y)) {
        offDifferences.Compare(x, y, shot->At(x, y), offSkin->At(x, y) & 0xFFFFFFu);
      } else {
        onDifferences.Compare(x, y, shot->At(x, y), onSkin->At(x, y) & 0xFFFFFFu);
      }
    }
  }
  for (const Differences* differences : {&offDifferences, &onDifferences}) {
    if (std::string report = differences->Report(); !report.empty()) complaints.push_back(report);
  }

  if (!complaints.empty()) {
    for (const std::string& complaint : complaints)
      std::cerr << "window_probe: " << complaint << '\n';
    return 1;
  }
  std::cout << "picture offset " << offset->x << ' ' << offset->y << '\n';
  return 0;
}

// Two screenshots apart: the picture moves, nothing else changes.
int MovingCommand(Display* display, const Arguments& args) {
  const auto skin = LoadSkin(args[1]);
  if (!skin) return 1;
  const SkinMasks& masks = skin->masks;
  const Window window = ParseWindow(args[0]);
  const auto before = CaptureWindow(display, window, masks.width, masks.height);
  std::this_thread::sleep_for(kMovingInterval);
  const auto after = CaptureWindow(display, window, masks.width, masks.height);
  if (!before || !after) return 1;

  int viewportChanged = 0;
  Differences elsewhere("outside code 9 changed", "was");
  for (int y = 0; y < masks.height; ++y) {
    for (int x = 0; x < masks.width; ++x) {
      if (!InRegion(masks, "9", x, y)) {
        elsewhere.Compare(x, y, after->At(x, y), before->At(x, y));
      } else if (after->At(x, y) != before->At(x, y)) {
        ++viewportChanged;
      }
    }
  }
  const std::string report = elsewhere.Report();
  if (!report.empty()) std::cerr << "window_probe: " << report << '\n';
  if (viewportChanged == 0) std::cerr << "window_probe: code 9 did not change\n";
  if (!report.empty() || viewportChanged == 0) return 1;
  std::cout << viewportChanged << " pixels of code 9 changed\n";
  return 0;
}

}  // namespace qv::probe
