#pragma once

#include "platform/sdl/x11_window.h"
#include "skin/outline.h"

namespace qv {

// Gives the window the outline as its bounding shape, which also lets the mouse through
// the cut-outs. An empty outline removes any shape: the full rectangle.
void ApplyBoundingShape(const X11Window& x11, const Outline& outline);

}  // namespace qv
