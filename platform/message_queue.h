#pragma once

#include <cstdint>
#include <deque>
#include <set>

#include "platform/message.h"

namespace qv {

// The order in which a window's messages come out of its loop, shared by every front end:
// posted and input messages first, in arrival order; then the quit message; then a paint,
// when the window is invalid; last the timers. Paints and timers are never queued: they are
// produced from a flag when nothing else waits, so several invalidations give one paint and
// a slow loop never piles up timer messages.
class MessageQueue {
 public:
  enum class Taken { Message, Quit, Nothing };

  void Post(const Message& message) { posted_.push_back(message); }
  void PostQuit(int code) {
    quitPosted_ = true;
    quitCode_ = code;
  }
  void Invalidate() { invalid_ = true; }
  void Validate() { invalid_ = false; }
  bool IsInvalid() const { return invalid_; }
  void TimerDue(uintptr_t id) { dueTimers_.insert(id); }
  bool HasPosted() const { return !posted_.empty(); }

  Taken Take(Message& message, int& quitCode);

 private:
  std::deque<Message> posted_;
  std::set<uintptr_t> dueTimers_;
  bool invalid_ = false;
  bool quitPosted_ = false;
  int quitCode_ = 0;
};

}  // namespace qv
