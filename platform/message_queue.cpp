#include "platform/message_queue.h"

namespace qv {

MessageQueue::Taken MessageQueue::Take(Message& message, int& quitCode) {
  if (!posted_.empty()) {
    message = posted_.front();
    posted_.pop_front();
    return Taken::Message;
  }
  if (quitPosted_) {
    quitPosted_ = false;
    quitCode = quitCode_;
    return Taken::Quit;
  }
  if (invalid_) {
    message = Message{MessageId::Paint, 0, 0};
    return Taken::Message;
  }
  if (!dueTimers_.empty()) {
    const uintptr_t id = *dueTimers_.begin();
    dueTimers_.erase(dueTimers_.begin());
    message = Message{MessageId::Timer, id, 0};
    return Taken::Message;
  }
  return Taken::Nothing;
}

}  // namespace qv
