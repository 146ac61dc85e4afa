#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_queue.h"
#include "platform/window_system.h"

namespace qv {

// A window system without a screen: a virtual millisecond clock, scripted input, and the
// frames kept instead of shown. Messages come out in the same order as on a real display,
// so the player's logic runs here unchanged, for tests and for offline capture.
class HeadlessWindowSystem final : public WindowSystem {
 public:
  // The exit code GetMessage reports when the run was closed but never quit.
  static constexpr int kNeverQuit = -1;

  // Every window operation is appended to `log` when one is given.
  explicit HeadlessWindowSystem(std::vector<std::string>* log = nullptr) : log_(log) {}

  // Script: the next CreateWindow fails with this reason.
  void FailCreation(std::string reason) { creationFailure_ = std::move(reason); }
  // Script: `message` arrives as input when the clock reaches `atMs`.
  void ScheduleInput(uint64_t atMs, const Message& message);
  // Script: a close request from outside at `atMs`. Without one, the run is closed this
  // way as soon as nothing else is left to happen.
  void CloseAt(uint64_t atMs) { closeAtMs_ = atMs; }

  // Called whenever the virtual clock moves on, before what is due then is delivered.
  std::function<void(uint64_t nowMs)> onClockAdvance;
  // Called with every frame presented.
  std::function<void(const ColorBitmap& frame)> onPresent;

  uint64_t NowMs() const { return nowMs_; }
  bool IsAlive() const { return alive_; }
  bool IsVisible() const { return visible_; }
  bool IsInvalid() const { return queue_.IsInvalid(); }
  const WindowCreation& Creation() const { return creation_; }
  const Outline& Shape() const { return shape_; }
  const WindowClass& Class() const { return class_; }
  std::optional<SystemCursor> Cursor() const { return cursor_; }
  const ColorBitmap& LastFrame() const { return lastFrame_; }
  int FrameCount() const { return frameCount_; }

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
  void InvalidateWindow() override { queue_.Invalidate(); }
  void BeginPaint() override;
  void EndPaint() override;
  void SetCursor(SystemCursor cursor) override;
  void PresentFrame(const ColorBitmap& frame) override;

 private:
  struct Timer {
    int periodMs;
    uint64_t dueMs;
  };

  void Note(const std::string& entry);
  intptr_t Send(const Message& message);
  // Moves the clock to the next scripted input, timer or close; false when none is left.
  bool AdvanceClock();

  std::vector<std::string>* log_;
  MessageQueue queue_;
  WindowClass class_;
  WindowCreation creation_;
  Outline shape_;
  std::optional<std::string> creationFailure_;
  std::multimap<uint64_t, Message> inputs_;
  std::map<uintptr_t, Timer> timers_;
  std::optional<uint64_t> closeAtMs_;
  std::optional<SystemCursor> cursor_;
  ColorBitmap lastFrame_;
  uint64_t nowMs_ = 0;
  int frameCount_ = 0;
  bool alive_ = false;
  bool visible_ = false;
  bool closeRequested_ = false;
};

}  // namespace qv
