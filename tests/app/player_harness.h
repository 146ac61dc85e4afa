#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/headless/headless_window_system.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/fake_decoder.h"
#include "tests/support/recording_engine.h"
#include "tests/support/scratch_dir.h"

namespace qv::test {

// A small mask with every code, its pixels named below for the tests.
inline const CodeRows kPlayerMask = {
    {0, 15, 15, 15, 15, 1, 1, 1, 1, 1, 1, 1, 1, 11, 11, 0},
    {1, 9, 9, 9, 1, 12, 12, 12, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 9, 9, 9, 1, 12, 12, 12, 1, 13, 13, 1, 1, 1, 1, 1},
    {0, 10, 10, 10, 1, 14, 14, 14, 1, 1, 1, 1, 1, 1, 1, 0},
};
struct Spot {
  int x, y;
};
inline constexpr Spot kOutside{0, 0}, kHandle{2, 0}, kClose{13, 0}, kFirstViewport{2, 1},
    kSecondViewport{6, 2}, kFirstButton{2, 3}, kSecondButton{6, 3}, kBody{9, 2};

// The player on the headless window system, with a recording engine and pictures from
// memory, run in a scratch folder that holds data/mask.bmp. Window system, engine, picture
// decoders and clocks all write to one log, so the order of everything can be checked.
class PlayerHarness {
 public:
  explicit PlayerHarness(const CodeRows& mask = kPlayerMask, bool writeMask = true)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::create_directories(dir_.path() / "data");
    if (writeMask) dir_.Write("data/mask.bmp", WriteBmp(mask));
    std::filesystem::current_path(dir_.path());
    pictures.log = &log;
    pictures.byPath["data/player_off.jpg"] = PatternBitmap(500, 310, 1);
    pictures.byPath["data/player_on.jpg"] = PatternBitmap(500, 310, 2);
    skinOff = PatternBitmap(500, 310, 1);
  }
  ~PlayerHarness() { std::filesystem::current_path(previous_); }
  PlayerHarness(const PlayerHarness&) = delete;
  PlayerHarness& operator=(const PlayerHarness&) = delete;

  // The log from the first entry that starts with `from` on.
  std::vector<std::string> LogFrom(const std::string& from) const {
    for (size_t i = 0; i < log.size(); ++i) {
      if (log[i].rfind(from, 0) == 0) return {log.begin() + static_cast<long>(i), log.end()};
    }
    return {};
  }

  std::vector<std::string> log;
  HeadlessWindowSystem windows{&log};
  RecordingEngine engine{log};
  FakePictures pictures;
  ColorBitmap skinOff;
  std::ostringstream errors;
  PlayerServices services{windows,
                          engine,
                          pictures.Factory(),
                          [this] { return static_cast<uint32_t>(windows.NowMs()); },
                          [this] {
                            log.push_back("calendar time");
                            return std::time_t{1765400000};
                          },
                          errors};

 private:
  ScratchDir dir_;
  std::filesystem::path previous_;
};

}  // namespace qv::test
