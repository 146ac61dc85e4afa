#pragma once

#include <SDL.h>

#include <optional>

// Xlib's own opaque connection type; its header stays out of ours, for its many macros.
struct _XDisplay;

namespace qv {

// The X side of an SDL window, for what SDL does not offer: the outline and the pointer.
struct X11Window {
  _XDisplay* display = nullptr;
  unsigned long window = 0;
  unsigned long root = 0;
};

// Empty when the window is not on X11 (another SDL video driver).
std::optional<X11Window> X11WindowOf(SDL_Window* window);

}  // namespace qv
