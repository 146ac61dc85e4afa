#include "music/openmpt/stderr_silencer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace qv {

StderrSilencer::StderrSilencer() {
  std::fflush(stderr);
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0) return;
  saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
  if (saved_ >= 0) dup2(null, STDERR_FILENO);
  close(null);
}

StderrSilencer::~StderrSilencer() {
  if (saved_ < 0) return;
  std::fflush(stderr);
  dup2(saved_, STDERR_FILENO);
  close(saved_);
}

}  // namespace qv
