#include "platform/headless/capture_options.h"

#include <cmath>
#include <cstdlib>

namespace qv {

const char* const kCaptureHelp =
    "usage: quorvendal-capture [options]\n"
    "Runs the player without a screen or sound card on a virtual clock, from the current\n"
    "folder (which must hold data/), and writes what the window would show and play.\n"
    "\n"
    "  --seconds S        how long to run, in seconds of the virtual clock (default 10)\n"
    "  --press N@T        press track button N (1 or 2) at T seconds; may be repeated\n"
    "  --frames DIR       write the painted frames as DIR/frame_NNNNNN.png\n"
    "  --every N          with --frames, only every N-th paint (default 1)\n"
    "  --wav FILE         write the sound as a 32-bit float stereo WAV file\n"
    "  --trace FILE       one line per paint: time, play mode, order, row, the motion\n"
    "                     parameters and the playing pan (position, velocities, signs)\n"
    "  --time SECONDS     the calendar time that places the pans (default 0)\n"
    "  --help             this text\n";

namespace {

bool ParseNumber(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && end == text.c_str() + text.size() && std::isfinite(value);
}

}  // namespace

ParsedCaptureOptions ParseCaptureOptions(const std::vector<std::string>& arguments) {
  CaptureOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help") {
      options.help = true;
      continue;
    }
    if (i + 1 >= arguments.size()) return {std::nullopt, name + " needs a value"};
    const std::string& value = arguments[++i];
    double number = 0;
    if (name == "--seconds") {
      if (!ParseNumber(value, number) || number <= 0 || number > 3600) {
        return {std::nullopt, "--seconds takes a duration from 0 to 3600"};
      }
      options.seconds = number;
    } else if (name == "--press") {
      const size_t at = value.find('@');
      if (at == std::string::npos || (value.substr(0, at) != "1" && value.substr(0, at) != "2") ||
          !ParseNumber(value.substr(at + 1), number) || number < 0) {
        return {std::nullopt, "--press takes N@T: track 1 or 2 at T seconds"};
      }
      options.presses.push_back(
          {value[0] - '0', static_cast<uint64_t>(std::llround(number * 1000))});
    } else if (name == "--frames") {
      options.framesDir = value;
    } else if (name == "--every") {
      if (!ParseNumber(value, number) || number < 1 || number != std::floor(number)) {
        return {std::nullopt, "--every takes a whole number from 1"};
      }
      options.every = static_cast<int>(number);
    } else if (name == "--wav") {
      options.wavFile = value;
    } else if (name == "--trace") {
      options.traceFile = value;
    } else if (name == "--time") {
      if (!ParseNumber(value, number) || number < 0) return {std::nullopt, "--time takes seconds"};
      options.calendarTime = static_cast<std::time_t>(number);
    } else {
      return {std::nullopt, "unknown option " + name};
    }
  }
  return {options, {}};
}

}  // namespace qv
