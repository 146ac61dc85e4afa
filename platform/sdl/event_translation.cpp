#include "platform/sdl/event_translation.h"

#include "platform/sdl/sdl_timer.h"

namespace qv {
namespace {

// One notch of the wheel, as the native system counts it.
constexpr int kWheelDelta = 120;

std::optional<Message> ButtonMessage(const SDL_MouseButtonEvent& button, bool pressed) {
  MessageId id{};
  if (button.button == SDL_BUTTON_LEFT) {
    id = pressed ? MessageId::LButtonDown : MessageId::LButtonUp;
  } else if (button.button == SDL_BUTTON_RIGHT) {
    id = pressed ? MessageId::RButtonDown : MessageId::RButtonUp;
  } else {
    return std::nullopt;
  }
  return Message{id, 0, MakePointParam(button.x, button.y)};
}

Message WheelMessage(const SDL_MouseWheelEvent& wheel) {
  int notches = wheel.y;
  if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
  // The distance travels in the high word of wParam, signed.
  const auto distance = static_cast<uint16_t>(static_cast<int16_t>(notches * kWheelDelta));
  return Message{MessageId::MouseWheel, static_cast<uintptr_t>(distance) << 16,
                 MakePointParam(wheel.mouseX, wheel.mouseY)};
}

TranslatedEvent TranslateWindowEvent(const SDL_WindowEvent& window) {
  TranslatedEvent result;
  switch (window.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_RESTORED:
      result.invalidate = true;
      break;
    case SDL_WINDOWEVENT_CLOSE:
      result.message = Message{MessageId::Close, 0, 0};
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

uintptr_t VirtualKeyFor(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<uintptr_t>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uintptr_t>('0' + (key - SDLK_0));
  switch (key) {
    case SDLK_ESCAPE:
      return kVkEscape;
    case SDLK_BACKSPACE:
      return 0x08;
    case SDLK_TAB:
      return 0x09;
    case SDLK_RETURN:
      return 0x0D;
    case SDLK_SPACE:
      return 0x20;
    case SDLK_LEFT:
      return 0x25;
    case SDLK_UP:
      return 0x26;
    case SDLK_RIGHT:
      return 0x27;
    case SDLK_DOWN:
      return 0x28;
    default:
      return kVkUnmapped;
  }
}

TranslatedEvent TranslateEvent(const SDL_Event& event) {
  TranslatedEvent result;
  if (const auto timerId = TimerIdOf(event)) {
    result.timerDue = *timerId;
    result.followDrag = true;
    return result;
  }
  switch (event.type) {
    case SDL_MOUSEMOTION:
      result.message =
          Message{MessageId::MouseMove, 0, MakePointParam(event.motion.x, event.motion.y)};
      result.followDrag = true;
      break;
    case SDL_MOUSEBUTTONDOWN:
      result.message = ButtonMessage(event.button, true);
      break;
    case SDL_MOUSEBUTTONUP:
      result.message = ButtonMessage(event.button, false);
      result.leftButtonReleased = event.button.button == SDL_BUTTON_LEFT;
      break;
    case SDL_MOUSEWHEEL:
      if (event.wheel.y != 0) result.message = WheelMessage(event.wheel);
      break;
    case SDL_KEYDOWN:
      result.message = Message{MessageId::KeyDown, VirtualKeyFor(event.key.keysym.sym), 0};
      break;
    case SDL_KEYUP:
      result.message = Message{MessageId::KeyUp, VirtualKeyFor(event.key.keysym.sym), 0};
      break;
    case SDL_WINDOWEVENT:
      return TranslateWindowEvent(event.window);
    case SDL_QUIT:
      // Only a signal raises this: the window's own close request comes as a window event.
      result.message = Message{MessageId::Close, 0, 0};
      break;
    default:
      break;
  }
  return result;
}

}  // namespace qv
