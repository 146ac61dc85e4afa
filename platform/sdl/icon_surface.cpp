#include "platform/sdl/icon_surface.h"

#include <cstring>

namespace qv {

SdlSurfacePtr MakeIconSurface(const IconImage& icon) {
  if (icon.pixels == nullptr || icon.width <= 0 || icon.height <= 0) return nullptr;
  // ARGB8888 is a native 0xAARRGGBB word, the icon's own layout.
  SdlSurfacePtr surface(
      SDL_CreateRGBSurfaceWithFormat(0, icon.width, icon.height, 32, SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return nullptr;
  const size_t rowBytes = static_cast<size_t>(icon.width) * sizeof(uint32_t);
  auto* target = static_cast<unsigned char*>(surface->pixels);
  for (int y = 0; y < icon.height; ++y) {
    std::memcpy(target + static_cast<size_t>(y) * static_cast<size_t>(surface->pitch),
                icon.pixels + static_cast<size_t>(y) * static_cast<size_t>(icon.width), rowBytes);
  }
  return surface;
}

}  // namespace qv
