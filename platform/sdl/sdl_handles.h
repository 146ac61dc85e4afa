#pragma once

#include <SDL.h>

#include <memory>

namespace qv {

struct SdlWindowDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
struct SdlCursorDeleter {
  void operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }
};
struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;
using SdlCursorPtr = std::unique_ptr<SDL_Cursor, SdlCursorDeleter>;
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

}  // namespace qv
