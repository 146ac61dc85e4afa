#include "platform/sdl/quiet_x_errors.h"

#include <X11/Xlib.h>

namespace qv {
namespace {

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

struct QuietXErrors::Previous {
  XErrorHandler handler;
};

QuietXErrors::QuietXErrors()
    : previous_(std::make_unique<Previous>(Previous{XSetErrorHandler(IgnoreXError)})) {}

QuietXErrors::~QuietXErrors() {
  XSetErrorHandler(previous_->handler);
}

}  // namespace qv
