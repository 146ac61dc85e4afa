#include "platform/sdl/x11_window.h"

#include <SDL_syswm.h>

namespace qv {

std::optional<X11Window> X11WindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  Display* display = info.info.x11.display;
  const Window xwindow = info.info.x11.window;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, xwindow, &attributes) == 0) return std::nullopt;
  return X11Window{display, xwindow, attributes.root};
}

}  // namespace qv
