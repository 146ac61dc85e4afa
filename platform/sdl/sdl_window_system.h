#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/message_queue.h"
#include "platform/sdl/drag_follower.h"
#include "platform/sdl/quiet_x_errors.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_subsystem.h"
#include "platform/sdl/sdl_timer.h"
#include "platform/sdl/x11_window.h"
#include "platform/window_system.h"

namespace qv {

// The window system on SDL2 and X11: one shaped borderless window. SDL events become the
// system's messages; X11 does what SDL cannot (the outline and the drag).
class SdlWindowSystem final : public WindowSystem {
 public:
  SdlWindowSystem() = default;
  ~SdlWindowSystem() override = default;
  SdlWindowSystem(const SdlWindowSystem&) = delete;
  SdlWindowSystem& operator=(const SdlWindowSystem&) = delete;

  void RegisterClass(const WindowClass& windowClass) override;
  bool CreateWindow(const WindowCreation& creation, std::string& failure) override;
  void SetWindowShape(const Outline& outline) override;
  void ShowWindow() override;
  void UpdateWindow() override;

  bool GetMessage(Message& message, int& quitCode) override;
  void DispatchMessage(const Message& message) override;
  intptr_t DefWindowProc(const Message& message) override;
  void PostMessage(const Message& message) override;
  void PostQuitMessage(int code) override;
  void DestroyWindow() override;

  void SetTimer(uintptr_t id, int periodMs) override;
  void InvalidateWindow() override;
  void BeginPaint() override;
  void EndPaint() override;
  void SetCursor(SystemCursor cursor) override;
  void PresentFrame(const ColorBitmap& frame) override;

 private:
  bool StartSdl(const std::string& className, std::string& failure);
  intptr_t Send(const Message& message);
  void Absorb(const SDL_Event& event);

  std::map<std::string, WindowClass> classes_;
  WindowProc proc_;
  // Torn down from the bottom up: timers before the window, the window before SDL, and SDL
  // before the quiet X error handler that its shut-down may still need.
  QuietXErrors quietXErrors_;
  std::optional<SdlSubsystem> sdl_;
  SdlCursorPtr arrowCursor_;
  SdlCursorPtr handCursor_;
  SdlWindowPtr window_;
  std::optional<X11Window> x11_;
  std::optional<DragFollower> drag_;
  std::map<uintptr_t, SdlTimer> timers_;
  MessageQueue queue_;
  bool destroying_ = false;
};

}  // namespace qv
