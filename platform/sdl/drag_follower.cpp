#include "platform/sdl/drag_follower.h"

#include <X11/Xlib.h>

namespace qv {

void DragFollower::Start(int grabX, int grabY) {
  grabX_ = grabX;
  grabY_ = grabY;
  active_ = true;
  Follow();
}

void DragFollower::Finish() {
  Follow();
  active_ = false;
}

void DragFollower::Follow() {
  if (!active_) return;
  Window root = 0;
  Window child = 0;
  int rootX = 0;
  int rootY = 0;
  int windowX = 0;
  int windowY = 0;
  unsigned int buttons = 0;
  if (!XQueryPointer(x11_.display, x11_.root, &root, &child, &rootX, &rootY, &windowX, &windowY,
                     &buttons)) {
    active_ = false;
    return;
  }
  // The button may be up already, released before the drag began or before this event
  // was read: the window still goes to where the pointer let go, and the drag ends there.
  if ((buttons & Button1Mask) == 0) active_ = false;
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  if (x != rootX - grabX_ || y != rootY - grabY_) {
    SDL_SetWindowPosition(window_, rootX - grabX_, rootY - grabY_);
  }
}

}  // namespace qv
