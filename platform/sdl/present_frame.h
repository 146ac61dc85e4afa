#pragma once

#include <SDL.h>

#include "platform/bitmap.h"

namespace qv {

// One copy of the frame into the window's surface, converted only when the surface is not
// XRGB8888, then shown. Where the sizes differ, the common top-left part is copied.
void PresentToWindowSurface(SDL_Window* window, const ColorBitmap& frame);

}  // namespace qv
