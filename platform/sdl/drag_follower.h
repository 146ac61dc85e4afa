#pragma once

#include <SDL.h>

#include "platform/sdl/x11_window.h"

namespace qv {

// Moves the window with the pointer while the left button is held, the way a press on a
// caption does. It reads the pointer from the X server, because SDL's global mouse state is
// stale while a button is held, and it works with or without a window manager.
class DragFollower {
 public:
  DragFollower(SDL_Window* window, const X11Window& x11) : window_(window), x11_(x11) {}

  // (grabX, grabY): the pointer's place in the window, which it keeps during the drag.
  void Start(int grabX, int grabY);
  void Follow();
  // On the button's release: one last move to the pointer.
  void Finish();
  bool Active() const { return active_; }

 private:
  SDL_Window* window_;
  X11Window x11_;
  bool active_ = false;
  int grabX_ = 0;
  int grabY_ = 0;
};

}  // namespace qv
