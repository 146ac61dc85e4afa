#pragma once

namespace qv {

// While it lives, standard error goes to /dev/null: the sound libraries under SDL print
// their failed probes there (no card, no server), which is no news to the user when the
// player simply goes on without sound. Standard error comes back when it is destroyed.
class StderrSilencer {
 public:
  StderrSilencer();
  ~StderrSilencer();
  StderrSilencer(const StderrSilencer&) = delete;
  StderrSilencer& operator=(const StderrSilencer&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace qv
