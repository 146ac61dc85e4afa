// Runs the player on the headless window system and a virtual clock, with the real module
// player rendering in step with that clock, and writes the frames, the sound and a trace.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>

#include "app/app_state.h"
#include "app/start_up.h"
#include "music/openmpt/openmpt_engine.h"
#include "music/openmpt/stepped_output.h"
#include "platform/headless/capture_options.h"
#include "platform/headless/headless_window_system.h"
#include "platform/headless/png_file.h"
#include "platform/headless/wav_file.h"
#include "platform/turbojpeg/turbojpeg_decoder.h"
#include "skin/mask_plane.h"

namespace qv {
namespace {

// A pixel of the track's button, where a press is aimed.
std::optional<std::pair<int, int>> ButtonPixel(const SkinMasks& masks, int track) {
  const MaskPlane& button = track == 1 ? masks.firstTrackButton : masks.secondTrackButton;
  for (int y = 0; y < masks.height; ++y) {
    for (int x = 0; x < masks.width; ++x) {
      if (HitTest(x, y, button)) return std::pair{x, y};
    }
  }
  return std::nullopt;
}

// One line per paint: what was shown and why.
void TraceLine(std::ostream& trace, uint64_t nowMs, const AppState& state, uint32_t position) {
  const PlayMode mode = state.playlist.mode;
  const PanState* pan = mode == PlayMode::FirstTrack    ? &state.pans[0]
                        : mode == PlayMode::SecondTrack ? &state.pans[1]
                                                        : nullptr;
  char line[256];
  std::snprintf(line, sizeof line, "%llu %d %u %u %.17g %.17g %.17g",
                static_cast<unsigned long long>(nowMs), static_cast<int>(mode), OrderOf(position),
                RowOf(position), state.motion.speedLimit, state.motion.wobbleGain,
                state.motion.damping);
  trace << line;
  if (pan != nullptr) {
    std::snprintf(line, sizeof line, " %.17g %.17g %.17g %.17g %d %d", pan->x, pan->y, pan->vx,
                  pan->vy, pan->sx, pan->sy);
    trace << line;
  }
  trace << '\n';
}

int Capture(const CaptureOptions& options) {
  HeadlessWindowSystem windows;
  SteppedOutput output;
  const AudioClock::time_point epoch = output.now;
  OpenMptEngine audio(output.Opener(), output.Clock());
  PlayerServices services{
      windows,
      audio,
      MakeTurboJpegDecoder,
      [&windows] { return static_cast<uint32_t>(windows.NowMs()); },
      [&options] { return options.calendarTime; },
      std::cerr,
  };

  std::optional<WavFile> wav;
  if (!options.wavFile.empty()) {
    wav.emplace(options.wavFile, kOutputRate);
    if (!wav->IsOpen()) {
      std::cerr << "quorvendal-capture: cannot write " << options.wavFile << '\n';
      return 1;
    }
  }
  std::ofstream trace;
  if (!options.traceFile.empty()) {
    trace.open(options.traceFile);
    if (!trace) {
      std::cerr << "quorvendal-capture: cannot write " << options.traceFile << '\n';
      return 1;
    }
    trace << "# ms mode order row speedLimit wobbleGain damping x y vx vy sx sy\n";
  }
  if (!options.framesDir.empty()) std::filesystem::create_directories(options.framesDir);

  // The sound of each stretch of virtual time is rendered when the clock moves past it, so
  // what the engine reports at a paint is what is heard at that moment.
  uint64_t framesRendered = 0;
  windows.onClockAdvance = [&](uint64_t nowMs) {
    const uint64_t due = nowMs * kOutputRate / 1000;
    if (due > framesRendered) {
      const auto heardAt =
          epoch + std::chrono::duration_cast<AudioClock::duration>(std::chrono::duration<double>(
                      static_cast<double>(framesRendered) / kOutputRate));
      const std::vector<float> sound = output.Pull(due - framesRendered, heardAt);
      if (wav) wav->Append(sound);
      framesRendered = due;
    }
    output.now = epoch + std::chrono::milliseconds(nowMs);
  };

  AppState state(services);
  int paint = 0;
  bool framesFailed = false;
  windows.onPresent = [&](const ColorBitmap& frame) {
    if (trace.is_open()) {
      const MusicHandle playing = PlayingHandle(state.playlist);
      TraceLine(trace, windows.NowMs(), state,
                state.playlist.mode == PlayMode::Idle ? 0 : audio.MusicGetOrderPosition(playing));
    }
    if (!options.framesDir.empty() && paint % options.every == 0) {
      char name[32];
      std::snprintf(name, sizeof name, "frame_%06d.png", paint);
      framesFailed |= !WritePng(std::filesystem::path(options.framesDir) / name, frame);
    }
    ++paint;
  };

  if (!StartUp(state)) return 1;
  for (const CapturePress& press : options.presses) {
    if (const auto pixel = ButtonPixel(state.skin.masks, press.track)) {
      windows.ScheduleInput(press.atMs, Message{MessageId::LButtonDown, 0,
                                                MakePointParam(pixel->first, pixel->second)});
    }
  }
  windows.CloseAt(static_cast<uint64_t>(options.seconds * 1000.0));
  const int exitCode = RunMessageLoop(state);
  if (framesFailed) {
    std::cerr << "quorvendal-capture: some frames could not be written to " << options.framesDir
              << '\n';
    return 1;
  }
  std::cout << "captured " << paint << " paints over " << options.seconds << " s\n";
  return exitCode;
}

}  // namespace
}  // namespace qv

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const qv::ParsedCaptureOptions parsed = qv::ParseCaptureOptions(arguments);
  if (!parsed.options) {
    std::cerr << "quorvendal-capture: " << parsed.error << " (see --help)\n";
    return 2;
  }
  if (parsed.options->help) {
    std::cout << qv::kCaptureHelp;
    return 0;
  }
  return qv::Capture(*parsed.options);
}
