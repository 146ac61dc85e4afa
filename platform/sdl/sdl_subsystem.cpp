#include "platform/sdl/sdl_subsystem.h"

namespace qv {

SdlSubsystem::SdlSubsystem(Uint32 flags) : flags_(flags) {
  started_ = SDL_InitSubSystem(flags_) == 0;
  if (!started_) failure_ = SDL_GetError();
}

SdlSubsystem::~SdlSubsystem() {
  if (!started_) return;
  SDL_QuitSubSystem(flags_);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

}  // namespace qv
