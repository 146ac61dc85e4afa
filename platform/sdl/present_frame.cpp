#include "platform/sdl/present_frame.h"

#include <algorithm>

namespace qv {
namespace {

class SurfaceLock {
 public:
  explicit SurfaceLock(SDL_Surface* surface)
      : surface_(SDL_MUSTLOCK(surface) ? surface : nullptr),
        locked_(surface_ == nullptr || SDL_LockSurface(surface_) == 0) {}
  ~SurfaceLock() {
    if (surface_ != nullptr && locked_) SDL_UnlockSurface(surface_);
  }
  SurfaceLock(const SurfaceLock&) = delete;
  SurfaceLock& operator=(const SurfaceLock&) = delete;
  bool Locked() const { return locked_; }

 private:
  SDL_Surface* surface_;
  bool locked_;
};

}  // namespace

void PresentToWindowSurface(SDL_Window* window, const ColorBitmap& frame) {
  // The surface belongs to the window; SDL keeps it until the window changes size.
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return;
  const int width = std::min(frame.width, surface->w);
  const int height = std::min(frame.height, surface->h);
  if (width <= 0 || height <= 0) return;
  {
    SurfaceLock lock(surface);
    if (!lock.Locked()) return;
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_XRGB8888, frame.pixels.data(),
                      frame.width * static_cast<int>(sizeof(uint32_t)), surface->format->format,
                      surface->pixels, surface->pitch);
  }
  SDL_UpdateWindowSurface(window);
}

}  // namespace qv
