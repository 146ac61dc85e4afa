#include "platform/sdl/event_translation.h"

#include <gtest/gtest.h>

#include "platform/sdl/sdl_timer.h"

namespace qv {
namespace {

SDL_Event MouseButton(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event event{};
  event.type = type;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  return event;
}

SDL_Event Key(Uint32 type, SDL_Keycode key) {
  SDL_Event event{};
  event.type = type;
  event.key.keysym.sym = key;
  return event;
}

SDL_Event WindowEvent(Uint8 what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = what;
  return event;
}

TEST(SdlEventTranslation, MouseEventsBecomeMessagesWithTheirPoint) {
  struct Case {
    SDL_Event event;
    MessageId id;
    bool released;
  };
  const Case cases[] = {
      {MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 17, 300), MessageId::LButtonDown, false},
      {MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 17, 300), MessageId::LButtonUp, true},
      {MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 17, 300), MessageId::RButtonDown, false},
      {MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 17, 300), MessageId::RButtonUp, false},
  };
  for (const Case& c : cases) {
    const TranslatedEvent t = TranslateEvent(c.event);
    ASSERT_TRUE(t.message);
    EXPECT_EQ(t.message->id, c.id);
    EXPECT_EQ(t.message->lParam, MakePointParam(17, 300));
    EXPECT_EQ(t.leftButtonReleased, c.released);
  }
  EXPECT_FALSE(TranslateEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 1)).message);

  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.x = -3;  // outside the window while the button is held
  motion.motion.y = 40;
  const TranslatedEvent moved = TranslateEvent(motion);
  ASSERT_TRUE(moved.message);
  EXPECT_EQ(moved.message->id, MessageId::MouseMove);
  EXPECT_EQ(PointParamX(moved.message->lParam), 0xFFFD);
  EXPECT_EQ(PointParamY(moved.message->lParam), 40);
  EXPECT_TRUE(moved.followDrag);
}

TEST(SdlEventTranslation, WheelCarriesSignedNotchesInTheHighWord) {
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  wheel.wheel.mouseX = 5;
  wheel.wheel.mouseY = 6;
  const TranslatedEvent t = TranslateEvent(wheel);
  ASSERT_TRUE(t.message);
  EXPECT_EQ(t.message->id, MessageId::MouseWheel);
  EXPECT_EQ(static_cast<int16_t>(t.message->wParam >> 16), -240);
  EXPECT_EQ(t.message->lParam, MakePointParam(5, 6));
}

TEST(SdlEventTranslation, KeysBecomeVirtualKeyCodes) {
  const std::pair<SDL_Keycode, uintptr_t> keys[] = {
      {SDLK_ESCAPE, kVkEscape},
      {SDLK_a, 'A'},
      {SDLK_z, 'Z'},
      {SDLK_0, '0'},
      {SDLK_9, '9'},
      {SDLK_RETURN, 0x0D},
      {SDLK_F7, kVkUnmapped},
      {SDLK_LSHIFT, kVkUnmapped},
  };
  for (const auto& [key, code] : keys) {
    const TranslatedEvent down = TranslateEvent(Key(SDL_KEYDOWN, key));
    ASSERT_TRUE(down.message) << key;
    EXPECT_EQ(down.message->id, MessageId::KeyDown);
    EXPECT_EQ(down.message->wParam, code) << key;
  }
  const TranslatedEvent up = TranslateEvent(Key(SDL_KEYUP, SDLK_ESCAPE));
  ASSERT_TRUE(up.message);
  EXPECT_EQ(up.message->id, MessageId::KeyUp);
}

TEST(SdlEventTranslation, WindowEventsInvalidateOrClose) {
  for (const Uint8 what :
       {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_SHOWN, SDL_WINDOWEVENT_SIZE_CHANGED}) {
    const TranslatedEvent t = TranslateEvent(WindowEvent(what));
    EXPECT_TRUE(t.invalidate);
    EXPECT_FALSE(t.message);
  }
  const TranslatedEvent moved = TranslateEvent(WindowEvent(SDL_WINDOWEVENT_MOVED));
  EXPECT_FALSE(moved.invalidate);
  EXPECT_FALSE(moved.message);

  SDL_Event quit{};
  quit.type = SDL_QUIT;
  for (const SDL_Event& event : {WindowEvent(SDL_WINDOWEVENT_CLOSE), quit}) {
    const TranslatedEvent t = TranslateEvent(event);
    ASSERT_TRUE(t.message);
    EXPECT_EQ(t.message->id, MessageId::Close);
  }
}

TEST(SdlEventTranslation, TimerEventsCarryTheirIdAndFollowTheDrag) {
  const TranslatedEvent t = TranslateEvent(MakeTimerEvent(7));
  EXPECT_EQ(t.timerDue, 7u);
  EXPECT_TRUE(t.followDrag);
  EXPECT_FALSE(t.message);

  SDL_Event foreign{};
  foreign.type = SDL_USEREVENT;
  foreign.user.code = 1;
  EXPECT_FALSE(TranslateEvent(foreign).timerDue);
}

}  // namespace
}  // namespace qv
