#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/bitmap.h"
#include "platform/message.h"
#include "skin/outline.h"

namespace qv {

using WindowProc = std::function<intptr_t(const Message&)>;

enum class SystemCursor { Arrow, Hand };

// An icon as 32-bit ARGB pixels (0xAARRGGBB), rows top-down.
struct IconImage {
  int width = 0;
  int height = 0;
  const uint32_t* pixels = nullptr;
};

struct WindowClass {
  std::string className;
  WindowProc proc;
  IconImage icon;
};

struct WindowCreation {
  std::string className;
  std::string title;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The window system as the player uses it: one borderless popup window, its message loop,
// its timer, cursor and outline. The SDL front end and the headless one both fill it; the
// player's logic lives above it, in the window procedure.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual void RegisterClass(const WindowClass& windowClass) = 0;
  // Creates the hidden window. Before it returns, the class's procedure receives the
  // window's first messages: NcCreate, then Create. False, with the reason, on failure.
  virtual bool CreateWindow(const WindowCreation& creation, std::string& failure) = 0;
  // Hands the outline to the window; an empty outline leaves the full rectangle.
  virtual void SetWindowShape(const Outline& outline) = 0;
  virtual void ShowWindow() = 0;
  // Paints at once, through the procedure, when the window is invalid.
  virtual void UpdateWindow() = 0;

  // Waits for the next message; false once the quit message arrives, with its code.
  virtual bool GetMessage(Message& message, int& quitCode) = 0;
  virtual void DispatchMessage(const Message& message) = 0;
  virtual intptr_t DefWindowProc(const Message& message) = 0;
  virtual void PostMessage(const Message& message) = 0;
  virtual void PostQuitMessage(int code) = 0;
  // Sends Destroy to the procedure before it returns.
  virtual void DestroyWindow() = 0;

  // A timer whose messages arrive through the loop, at most one waiting at a time.
  virtual void SetTimer(uintptr_t id, int periodMs) = 0;
  // Marks the whole window for a paint; paints come only when no other message waits,
  // and several invalidations give one paint.
  virtual void InvalidateWindow() = 0;
  // Begin and end of a paint: validates the window, draws nothing.
  virtual void BeginPaint() = 0;
  virtual void EndPaint() = 0;
  virtual void SetCursor(SystemCursor cursor) = 0;
  // Copies a finished frame of the window's size to the screen in one operation.
  virtual void PresentFrame(const ColorBitmap& frame) = 0;
};

}  // namespace qv
