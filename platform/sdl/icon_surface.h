#pragma once

#include "platform/sdl/sdl_handles.h"
#include "platform/window_system.h"

namespace qv {

// An SDL copy of the class icon; null when the class has none.
SdlSurfacePtr MakeIconSurface(const IconImage& icon);

}  // namespace qv
