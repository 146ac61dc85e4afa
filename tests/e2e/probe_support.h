#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/bitmap.h"
#include "skin/build_skin.h"

namespace qv::probe {

Window ParseWindow(const std::string& text);

// Each complains on stderr and answers empty on failure.
std::optional<Skin> LoadSkin(const std::string& maskPath);
// A picture as the player shows it: the project's own decoder, no scaling.
std::optional<ColorBitmap> LoadPicture(const std::string& path);

// What the screen shows over the window's width × height from its top-left corner, as 0xRRGGBB.
// Exact: both sides are 8-bit RGB on a 24-bit TrueColor screen, nothing rescales them.
std::optional<ColorBitmap> CaptureWindow(Display* display, Window window, int width, int height);

std::string Hex(uint32_t rgb);

}  // namespace qv::probe
