#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace qv {

struct CapturePress {
  int track;  // 1 or 2: a press on that track's button
  uint64_t atMs;
};

struct CaptureOptions {
  double seconds = 10.0;
  std::vector<CapturePress> presses;
  std::string framesDir;         // empty: no frames
  int every = 1;                 // every n-th paint
  std::string wavFile;           // empty: no sound file
  std::string traceFile;         // empty: no trace
  std::time_t calendarTime = 0;  // seeds the placement of the pans
  bool help = false;
};

struct ParsedCaptureOptions {
  std::optional<CaptureOptions> options;
  std::string error;
};

ParsedCaptureOptions ParseCaptureOptions(const std::vector<std::string>& arguments);

extern const char* const kCaptureHelp;

}  // namespace qv
