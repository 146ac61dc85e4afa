#include "tests/e2e/find_window.h"

#include <X11/Xutil.h>

#include "tests/e2e/x_connection.h"

namespace qv::probe {
namespace {

bool HasClass(Display* display, Window window, const std::string& className) {
  XClassHint hint{};
  if (XGetClassHint(display, window, &hint) == 0) return false;
  const XPtr<char> name(hint.res_name);
  const XPtr<char> windowClass(hint.res_class);
  return windowClass && className == windowClass.get();
}

bool IsShown(Display* display, Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display, window, &attributes) != 0 &&
         attributes.map_state == IsViewable;
}

std::optional<Window> Search(Display* display, Window window, const std::string& className) {
  if (HasClass(display, window, className) && IsShown(display, window)) return window;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return std::nullopt;
  const XPtr<Window> owned(children);
  for (unsigned int i = 0; i < count; ++i) {
    if (auto found = Search(display, children[i], className)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Window> FindWindowByClass(Display* display, const std::string& className) {
  return Search(display, DefaultRootWindow(display), className);
}

}  // namespace qv::probe
