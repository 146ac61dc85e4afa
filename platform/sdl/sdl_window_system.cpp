#include "platform/sdl/sdl_window_system.h"

#include <cstdlib>

#include "platform/sdl/event_translation.h"
#include "platform/sdl/icon_surface.h"
#include "platform/sdl/present_frame.h"
#include "platform/sdl/x11_shape.h"

namespace qv {
namespace {

constexpr Uint32 kSdlSubsystems = SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS;

void SetSdlHints() {
  // Accelerated presentation would re-create the X window on first use, losing its
  // outline and position; plain window surfaces are fast enough for a window this size.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Under a window manager the press that focuses the window would otherwise be lost.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // A close request goes through the procedure like any other message, not straight to quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The outline and the drag are X11's; the environment may still choose another driver.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
}

}  // namespace

void SdlWindowSystem::RegisterClass(const WindowClass& windowClass) {
  classes_.insert_or_assign(windowClass.className, windowClass);
}

bool SdlWindowSystem::StartSdl(const std::string& className, std::string& failure) {
  if (sdl_ && sdl_->Started()) return true;
  // SDL names the X window's class from here when it creates the window.
  setenv("SDL_VIDEO_X11_WMCLASS", className.c_str(), 1);
  SetSdlHints();
  sdl_.emplace(kSdlSubsystems);
  if (sdl_->Started()) return true;
  const char* display = std::getenv("DISPLAY");
  failure = display != nullptr && display[0] != '\0'
                ? "cannot open the display " + std::string(display) + ": " + sdl_->Failure()
                : "cannot open the display (DISPLAY is not set): " + sdl_->Failure();
  sdl_.reset();
  return false;
}

bool SdlWindowSystem::CreateWindow(const WindowCreation& creation, std::string& failure) {
  if (window_) {
    failure = "the player window exists already";
    return false;
  }
  const auto windowClass = classes_.find(creation.className);
  if (windowClass == classes_.end()) {
    failure = "no window class named \"" + creation.className + "\"";
    return false;
  }
  if (!StartSdl(creation.className, failure)) return false;

  window_.reset(SDL_CreateWindow(creation.title.c_str(), creation.x, creation.y, creation.width,
                                 creation.height, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN));
  if (!window_) {
    failure = std::string("cannot create the window: ") + SDL_GetError();
    return false;
  }
  if (SdlSurfacePtr icon = MakeIconSurface(windowClass->second.icon)) {
    SDL_SetWindowIcon(window_.get(), icon.get());
  }
  if (!arrowCursor_) arrowCursor_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
  if (!handCursor_) handCursor_.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND));
  x11_ = X11WindowOf(window_.get());
  if (x11_) drag_.emplace(window_.get(), *x11_);
  proc_ = windowClass->second.proc;

  if (Send(Message{MessageId::NcCreate, 0, 0}) == 0 || !window_ ||
      Send(Message{MessageId::Create, 0, 0}) == -1 || !window_) {
    DestroyWindow();
    failure = "the window procedure refused the window";
    return false;
  }
  return true;
}

void SdlWindowSystem::SetWindowShape(const Outline& outline) {
  if (x11_) ApplyBoundingShape(*x11_, outline);
}

void SdlWindowSystem::ShowWindow() {
  if (!window_) return;
  SDL_ShowWindow(window_.get());
  queue_.Invalidate();
}

void SdlWindowSystem::UpdateWindow() {
  if (window_ && queue_.IsInvalid()) Send(Message{MessageId::Paint, 0, 0});
}

void SdlWindowSystem::Absorb(const SDL_Event& event) {
  const TranslatedEvent translated = TranslateEvent(event);
  if (drag_) {
    if (translated.followDrag) drag_->Follow();
    if (translated.leftButtonReleased) drag_->Finish();
  }
  if (!window_) return;
  if (translated.invalidate) queue_.Invalidate();
  // A removed timer may still have one event on its way.
  if (translated.timerDue && timers_.contains(*translated.timerDue)) {
    queue_.TimerDue(*translated.timerDue);
  }
  if (translated.message) queue_.Post(*translated.message);
}

bool SdlWindowSystem::GetMessage(Message& message, int& quitCode) {
  SDL_Event event;
  for (;;) {
    if (sdl_) {
      while (SDL_PollEvent(&event))
        Absorb(event);
    }
    switch (queue_.Take(message, quitCode)) {
      case MessageQueue::Taken::Message:
        return true;
      case MessageQueue::Taken::Quit:
        return false;
      case MessageQueue::Taken::Nothing:
        break;
    }
    // Without SDL nothing could ever arrive; end the loop rather than wait forever.
    if (!sdl_ || SDL_WaitEvent(&event) == 0) {
      quitCode = 0;
      return false;
    }
    Absorb(event);
  }
}

void SdlWindowSystem::DispatchMessage(const Message& message) {
  // Whatever was still queued for a destroyed window goes nowhere.
  if (window_) Send(message);
}

intptr_t SdlWindowSystem::Send(const Message& message) {
  return proc_ ? proc_(message) : DefWindowProc(message);
}

intptr_t SdlWindowSystem::DefWindowProc(const Message& message) {
  switch (message.id) {
    case MessageId::NcCreate:
      return 1;
    case MessageId::Close:
      DestroyWindow();
      return 0;
    case MessageId::NcLButtonDown:
      if (message.wParam == kHtCaption && drag_) {
        drag_->Start(PointParamX(message.lParam), PointParamY(message.lParam));
      }
      return 0;
    default:
      return 0;
  }
}

void SdlWindowSystem::PostMessage(const Message& message) {
  queue_.Post(message);
}

void SdlWindowSystem::PostQuitMessage(int code) {
  queue_.PostQuit(code);
}

void SdlWindowSystem::DestroyWindow() {
  if (!window_ || destroying_) return;
  destroying_ = true;
  Send(Message{MessageId::Destroy, 0, 0});
  timers_.clear();
  drag_.reset();
  x11_.reset();
  window_.reset();
  queue_.Validate();
  destroying_ = false;
}

void SdlWindowSystem::SetTimer(uintptr_t id, int periodMs) {
  if (!window_) return;
  timers_.erase(id);
  timers_.try_emplace(id, id, periodMs);
}

void SdlWindowSystem::InvalidateWindow() {
  if (window_) queue_.Invalidate();
}

void SdlWindowSystem::BeginPaint() {
  queue_.Validate();
}

void SdlWindowSystem::EndPaint() {}

void SdlWindowSystem::SetCursor(SystemCursor cursor) {
  SDL_Cursor* chosen = cursor == SystemCursor::Hand ? handCursor_.get() : arrowCursor_.get();
  if (chosen != nullptr) SDL_SetCursor(chosen);
}

void SdlWindowSystem::PresentFrame(const ColorBitmap& frame) {
  if (window_) PresentToWindowSurface(window_.get(), frame);
}

}  // namespace qv
