#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace qv::probe {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// For everything Xlib hands out to be released with XFree.
struct XFreeDeleter {
  void operator()(void* data) const {
    if (data != nullptr) XFree(data);
  }
};
template <typename T>
using XPtr = std::unique_ptr<T, XFreeDeleter>;

struct ImageDestroyer {
  void operator()(XImage* image) const { XDestroyImage(image); }
};
using ImagePtr = std::unique_ptr<XImage, ImageDestroyer>;

}  // namespace qv::probe
