#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

namespace qv {

// A periodic SDL timer that announces each period as a user event carrying its id. The
// callback runs on SDL's timer thread and may still fire once after removal, so it shares no
// memory with the loop: the id travels inside the event itself.
class SdlTimer {
 public:
  SdlTimer(uintptr_t id, int periodMs);
  ~SdlTimer();
  SdlTimer(const SdlTimer&) = delete;
  SdlTimer& operator=(const SdlTimer&) = delete;

  bool Running() const { return sdlId_ != 0; }

 private:
  SDL_TimerID sdlId_ = 0;
};

// The event a timer pushes, and the id read back from one.
SDL_Event MakeTimerEvent(uintptr_t id);
std::optional<uintptr_t> TimerIdOf(const SDL_Event& event);

}  // namespace qv
