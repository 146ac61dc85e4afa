#pragma once

#include <SDL.h>

#include <string>

namespace qv {

// Holds SDL subsystems for as long as it lives. SDL counts every initialisation, so other
// owners (the audio back end) can hold theirs alongside; the last one out shuts SDL down.
class SdlSubsystem {
 public:
  explicit SdlSubsystem(Uint32 flags);
  ~SdlSubsystem();
  SdlSubsystem(const SdlSubsystem&) = delete;
  SdlSubsystem& operator=(const SdlSubsystem&) = delete;

  bool Started() const { return started_; }
  // SDL's reason when it did not start.
  const std::string& Failure() const { return failure_; }

 private:
  Uint32 flags_;
  bool started_ = false;
  std::string failure_;
};

}  // namespace qv
