#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "music/openmpt/openmpt_engine.h"
#include "tests/engine/fixture_modules.h"
#include "tests/engine/sound_measures.h"

namespace qv::test {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// Sets an environment variable for one test, and puts back what was there.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Whatever reaches standard error while it lives, kept in a file instead.
class StderrCapture {
 public:
  explicit StderrCapture(const std::string& file) : file_(file) {
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int sink = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(sink, STDERR_FILENO);
    close(sink);
  }
  ~StderrCapture() { Release(); }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  std::string Release() {
    if (saved_ >= 0) {
      std::fflush(stderr);
      dup2(saved_, STDERR_FILENO);
      close(saved_);
      saved_ = -1;
    }
    std::ifstream in(file_);
    return {std::istreambuf_iterator<char>(in), {}};
  }

 private:
  std::string file_;
  int saved_ = -1;
};

// When `music` stopped playing, in seconds since `since`: after the last poll that saw it
// playing and no later than the first that did not. Polls every millisecond; a stalled poll
// widens the window instead of moving it.
struct EndWindow {
  double notBefore;
  double notAfter;
};
EndWindow WaitUntilEnded(OpenMptEngine& engine, MusicHandle music, Clock::time_point since) {
  EndWindow window{0.0, 0.0};
  while (Clock::now() - since < std::chrono::seconds(10)) {
    const double polled = Seconds(Clock::now() - since).count();
    if (engine.ChannelIsActive(music) == 0) {
      window.notAfter = Seconds(Clock::now() - since).count();
      break;
    }
    window.notBefore = polled;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return window;
}

TEST(SystemOutputTest, NoSoundDeviceAdvancesInRealTime) {
  ScratchDir folder;
  OpenMptEngine engine;
  ASSERT_TRUE(engine.Init(kNoSoundDevice, kOutputRate));
  const MusicHandle music = engine.MusicLoad(WriteModule(folder, "t.it", ToneModule(2, 8)));
  const double duration = 16 * kRowSeconds;  // 1.92 s

  const auto start = Clock::now();
  engine.ChannelPlay(music, false);
  std::this_thread::sleep_for(Seconds(1.0));
  const double askedFrom = Seconds(Clock::now() - start).count();
  const uint32_t position = engine.MusicGetOrderPosition(music);
  const double askedUntil = Seconds(Clock::now() - start).count();
  const EndWindow ended = WaitUntilEnded(engine, music, start);

  // The thread renders 10 ms ahead, so the end shows up to 10 ms early; a device running
  // 4 % off would be 77 ms away.
  EXPECT_GT(ended.notAfter, duration - 0.03);
  EXPECT_LT(ended.notBefore, duration + 0.06);
  const double rowStart = (OrderOf(position) * 8 + RowOf(position)) * kRowSeconds;
  EXPECT_LE(rowStart, askedUntil + 0.01);
  EXPECT_GT(rowStart + kRowSeconds, askedFrom - 0.01);
}

TEST(SystemOutputTest, DefaultDevicePlaysThroughSdl) {
  ScratchDir folder;
  const std::string written = (folder.path() / "out.raw").string();
  const ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  const ScopedEnv file("SDL_DISKAUDIOFILE", written);
  {
    OpenMptEngine engine;
    ASSERT_TRUE(engine.Init(kDefaultDevice, kOutputRate));
    const MusicHandle music = engine.MusicLoad(WriteModule(folder, "t.it", ToneModule(1, 4)));
    engine.ChannelPlay(music, false);
    WaitUntilEnded(engine, music, Clock::now());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }

  // The file holds what the device was given: stereo float at 44100 Hz.
  std::ifstream in(written, std::ios::binary);
  std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<float> sound(bytes.size() / sizeof(float));
  std::memcpy(sound.data(), bytes.data(), sound.size() * sizeof(float));
  std::size_t first = sound.size();
  std::size_t last = 0;
  for (std::size_t i = 0; i < sound.size(); ++i) {
    if (std::fabs(sound[i]) > 0.01f) {
      first = std::min(first, i / 2);
      last = i / 2;
    }
  }
  ASSERT_LT(first, last);
  EXPECT_NEAR(static_cast<double>(last - first), 4.0 * kFramesPerRow, 441);
  EXPECT_GT(Rms(Frames(sound, first, last - first)), 0.03);
}

// SDL's no-op driver hands the callback buffers of its own size; rendering must keep to the
// size it is given (the sanitizer run catches a write past it).
TEST(SystemOutputTest, DefaultDeviceOnSdlsNoOpDriverPlaysToTheEnd) {
  ScratchDir folder;
  const ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  OpenMptEngine engine;
  ASSERT_TRUE(engine.Init(kDefaultDevice, kOutputRate));
  const MusicHandle music = engine.MusicLoad(WriteModule(folder, "t.it", ToneModule(1, 4)));
  engine.ChannelPlay(music, false);
  const EndWindow ended = WaitUntilEnded(engine, music, Clock::now());
  EXPECT_GT(ended.notAfter, 0.0);
}

TEST(SystemOutputTest, DefaultDeviceThatCannotOpenFailsQuietly) {
  ScratchDir folder;
  for (const char* driver : {"alsa", "no-such-driver"}) {
    SCOPED_TRACE(driver);
    const ScopedEnv choice("SDL_AUDIODRIVER", driver);
    OpenMptEngine engine;
    StderrCapture capture((folder.path() / "stderr.txt").string());
    const bool opened = engine.Init(kDefaultDevice, kOutputRate);
    const bool fellBack = opened || engine.Init(kNoSoundDevice, kOutputRate);
    EXPECT_EQ(capture.Release(), "");
    EXPECT_TRUE(fellBack);
    if (std::string(driver) == "no-such-driver") {
      EXPECT_FALSE(opened);
    }
  }
}

}  // namespace
}  // namespace qv::test
