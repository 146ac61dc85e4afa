#pragma once

#include <memory>

namespace qv {

// While it lives, X protocol errors are dropped instead of printed with the process ended,
// which Xlib does by default. SDL's wake-up events can reach a window that is just being
// destroyed; such a harmless late error must not end the player or show on the terminal.
// Made before SDL starts video, so that SDL chains to it and restores it on shut-down.
class QuietXErrors {
 public:
  QuietXErrors();
  ~QuietXErrors();
  QuietXErrors(const QuietXErrors&) = delete;
  QuietXErrors& operator=(const QuietXErrors&) = delete;

 private:
  struct Previous;
  std::unique_ptr<Previous> previous_;
};

}  // namespace qv
