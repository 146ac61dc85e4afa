#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>

namespace qv::probe {

// The first mapped window, anywhere in the tree (a window manager may have reparented it),
// whose WM_CLASS class is `className`.
std::optional<Window> FindWindowByClass(Display* display, const std::string& className);

}  // namespace qv::probe
