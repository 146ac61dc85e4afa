#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

#include "platform/message.h"

namespace qv {

// What one SDL event means to the window: at most one message, plus the side effects the
// loop carries out itself (paint requests, timers, the drag).
struct TranslatedEvent {
  std::optional<Message> message;
  bool invalidate = false;
  std::optional<uintptr_t> timerDue;
  bool followDrag = false;
  bool leftButtonReleased = false;
};

TranslatedEvent TranslateEvent(const SDL_Event& event);

// The native virtual-key code the procedure expects for an SDL key.
uintptr_t VirtualKeyFor(SDL_Keycode key);

// Given for keys the player has no name for, so they still arrive as key messages.
constexpr uintptr_t kVkUnmapped = 0xFF;

}  // namespace qv
