#include "platform/sdl/sdl_timer.h"

#include <algorithm>

namespace qv {
namespace {

// Marks our timer events among user events, which other code may push as well.
constexpr Sint32 kTimerEventCode = 0x51544D52;

Uint32 PushTimerEvent(Uint32 interval, void* param) {
  SDL_Event event = MakeTimerEvent(reinterpret_cast<uintptr_t>(param));
  SDL_PushEvent(&event);
  return interval;
}

}  // namespace

SdlTimer::SdlTimer(uintptr_t id, int periodMs) {
  const auto period = static_cast<Uint32>(std::max(periodMs, 1));
  sdlId_ = SDL_AddTimer(period, PushTimerEvent, reinterpret_cast<void*>(id));
}

SdlTimer::~SdlTimer() {
  if (sdlId_ != 0) SDL_RemoveTimer(sdlId_);
}

SDL_Event MakeTimerEvent(uintptr_t id) {
  SDL_Event event{};
  event.type = SDL_USEREVENT;
  event.user.code = kTimerEventCode;
  event.user.data1 = reinterpret_cast<void*>(id);
  return event;
}

std::optional<uintptr_t> TimerIdOf(const SDL_Event& event) {
  if (event.type != SDL_USEREVENT || event.user.code != kTimerEventCode) return std::nullopt;
  return reinterpret_cast<uintptr_t>(event.user.data1);
}

}  // namespace qv
