#include "platform/headless/headless_window_system.h"

#include <algorithm>
#include <limits>

namespace qv {

namespace {

std::string Hex(uint32_t value) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x0000";
  for (int i = 5; i >= 2; --i, value >>= 4)
    text[static_cast<size_t>(i)] = kDigits[value & 0xF];
  return text;
}

}  // namespace

void HeadlessWindowSystem::Note(const std::string& entry) {
  if (log_) log_->push_back(entry);
}

intptr_t HeadlessWindowSystem::Send(const Message& message) {
  Note("message " + Hex(static_cast<uint32_t>(message.id)));
  return class_.proc ? class_.proc(message) : 0;
}

void HeadlessWindowSystem::ScheduleInput(uint64_t atMs, const Message& message) {
  inputs_.emplace(atMs, message);
}

void HeadlessWindowSystem::RegisterClass(const WindowClass& windowClass) {
  class_ = windowClass;
  Note("RegisterClass " + windowClass.className);
}

bool HeadlessWindowSystem::CreateWindow(const WindowCreation& creation, std::string& failure) {
  Note("CreateWindow " + creation.className + " \"" + creation.title + "\" at " +
       std::to_string(creation.x) + "," + std::to_string(creation.y) + " size " +
       std::to_string(creation.width) + "x" + std::to_string(creation.height));
  if (creationFailure_) {
    failure = *creationFailure_;
    return false;
  }
  creation_ = creation;
  alive_ = true;
  queue_.Invalidate();  // a new window has never been painted
  Send(Message{MessageId::NcCreate, 0, 0});
  Send(Message{MessageId::Create, 0, 0});
  return true;
}

void HeadlessWindowSystem::SetWindowShape(const Outline& outline) {
  shape_ = outline;
  Note("SetWindowShape " + std::to_string(outline.size()) + " rectangles");
}

void HeadlessWindowSystem::ShowWindow() {
  visible_ = true;
  Note("ShowWindow");
}

void HeadlessWindowSystem::UpdateWindow() {
  Note("UpdateWindow");
  if (alive_ && queue_.IsInvalid()) Send(Message{MessageId::Paint, 0, 0});
}

bool HeadlessWindowSystem::GetMessage(Message& message, int& quitCode) {
  for (;;) {
    switch (queue_.Take(message, quitCode)) {
      case MessageQueue::Taken::Message:
        return true;
      case MessageQueue::Taken::Quit:
        return false;
      case MessageQueue::Taken::Nothing:
        break;
    }
    if (AdvanceClock()) continue;
    if (closeRequested_) {
      // Closed, yet no quit message came: report it rather than wait for ever.
      quitCode = kNeverQuit;
      return false;
    }
    // Nothing can ever happen again: end the run the way a user closing the window would.
    closeRequested_ = true;
    queue_.Post(Message{MessageId::Close, 0, 0});
  }
}

bool HeadlessWindowSystem::AdvanceClock() {
  constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();
  uint64_t next = inputs_.empty() ? kNever : inputs_.begin()->first;
  for (const auto& [id, timer] : timers_)
    next = std::min(next, timer.dueMs);
  if (closeAtMs_ && !closeRequested_) next = std::min(next, *closeAtMs_);
  if (next == kNever) return false;

  if (next > nowMs_) {
    nowMs_ = next;
    if (onClockAdvance) onClockAdvance(nowMs_);
  }
  while (!inputs_.empty() && inputs_.begin()->first <= nowMs_) {
    queue_.Post(inputs_.begin()->second);
    inputs_.erase(inputs_.begin());
  }
  for (auto& [id, timer] : timers_) {
    if (timer.dueMs <= nowMs_) {
      queue_.TimerDue(id);
      timer.dueMs += static_cast<uint64_t>(timer.periodMs);
    }
  }
  if (closeAtMs_ && !closeRequested_ && *closeAtMs_ <= nowMs_) {
    closeRequested_ = true;
    queue_.Post(Message{MessageId::Close, 0, 0});
  }
  return true;
}

void HeadlessWindowSystem::DispatchMessage(const Message& message) {
  Send(message);
}

intptr_t HeadlessWindowSystem::DefWindowProc(const Message& message) {
  Note("DefWindowProc " + Hex(static_cast<uint32_t>(message.id)));
  switch (message.id) {
    case MessageId::NcCreate:
      return 1;
    case MessageId::Close:
      DestroyWindow();
      return 0;
    case MessageId::NcLButtonDown:
      if (message.wParam == kHtCaption) Note("drag");
      return 0;
    default:
      return 0;
  }
}

void HeadlessWindowSystem::PostMessage(const Message& message) {
  Note("PostMessage " + Hex(static_cast<uint32_t>(message.id)));
  queue_.Post(message);
}

void HeadlessWindowSystem::PostQuitMessage(int code) {
  Note("PostQuitMessage " + std::to_string(code));
  queue_.PostQuit(code);
}

void HeadlessWindowSystem::DestroyWindow() {
  Note("DestroyWindow");
  if (!alive_) return;
  Send(Message{MessageId::Destroy, 0, 0});
  alive_ = false;
  visible_ = false;
  timers_.clear();  // a window's timers end with it
  queue_.Validate();
}

void HeadlessWindowSystem::SetTimer(uintptr_t id, int periodMs) {
  Note("SetTimer " + std::to_string(id) + " " + std::to_string(periodMs));
  if (alive_ && periodMs > 0)
    timers_[id] = Timer{periodMs, nowMs_ + static_cast<uint64_t>(periodMs)};
}

void HeadlessWindowSystem::BeginPaint() {
  Note("BeginPaint");
  queue_.Validate();
}

void HeadlessWindowSystem::EndPaint() {
  Note("EndPaint");
}

void HeadlessWindowSystem::SetCursor(SystemCursor cursor) {
  cursor_ = cursor;
  Note(cursor == SystemCursor::Hand ? "SetCursor hand" : "SetCursor arrow");
}

void HeadlessWindowSystem::PresentFrame(const ColorBitmap& frame) {
  Note("PresentFrame");
  lastFrame_ = frame;
  ++frameCount_;
  if (onPresent) onPresent(frame);
}

}  // namespace qv
