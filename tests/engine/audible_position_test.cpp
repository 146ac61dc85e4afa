#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "music/openmpt/openmpt_engine.h"
#include "music/openmpt/stepped_output.h"
#include "tests/engine/fixture_modules.h"

namespace qv::test {
namespace {

using Seconds = std::chrono::duration<double>;

// A sound card as the engine meets it: it asks for `bufferFrames` whenever only
// `queuedFrames` are left ahead of its speaker, but the thread that serves it wakes up to
// `lateMs` late, and its crystal runs `drift` fast against the system clock.
struct Device {
  std::string name;
  std::size_t bufferFrames;
  std::size_t queuedFrames;
  double lateMs;
  double drift;
};

void PrintTo(const Device& device, std::ostream* os) {
  *os << device.name;
}

class AudiblePositionTest : public testing::TestWithParam<Device> {};

// The row that the listener hears at every moment of a 5.76 s track, asked every few
// milliseconds: the answer must be a row that sounds within 10 ms of now.
TEST_P(AudiblePositionTest, AnswersTheRowLeavingTheSpeakerWithinTenMilliseconds) {
  const Device device = GetParam();
  constexpr int kRows = 16;
  ScratchDir folder;
  SteppedOutput output;
  OpenMptEngine engine{output.Opener(), output.Clock()};
  ASSERT_TRUE(engine.Init(kNoSoundDevice, kOutputRate));
  const MusicHandle music = engine.MusicLoad(WriteModule(folder, "t.it", ToneModule(3, kRows)));
  ASSERT_NE(music, 0u);

  const double speakerRate = kOutputRate * (1.0 + device.drift);
  const auto start = output.now;  // the speaker plays frame 0
  auto at = [&](double seconds) {
    return start + std::chrono::duration_cast<AudioClock::duration>(Seconds(seconds));
  };
  std::mt19937 random(7);
  std::uniform_real_distribution<double> lateness(0.0, device.lateMs / 1000.0);
  std::uniform_real_distribution<double> step(0.0005, 0.006);

  uint64_t pulled = 0;
  double late = lateness(random);
  // Serves the device's requests up to `now`, as its audio thread would.
  auto serve = [&](double now) {
    while (true) {
      const double due = (static_cast<double>(pulled) - device.queuedFrames) / speakerRate;
      const double woke = std::max(due, -0.001) + late;
      if (woke > now) return;
      // The output believes that the device holds `queuedFrames` ahead of the speaker.
      output.Pull(device.bufferFrames, at(woke + device.queuedFrames / double(kOutputRate)));
      pulled += device.bufferFrames;
      late = lateness(random);
    }
  };

  serve(0.5);  // the device runs before any track plays
  engine.ChannelPlay(music, false);
  const uint64_t firstFrame = pulled;  // the track starts in the next pull
  const uint64_t endFrame = firstFrame + 3 * kRows * kFramesPerRow;
  auto rowHeard = [&](int64_t frame) -> int64_t {
    return frame < static_cast<int64_t>(firstFrame)
               ? 0
               : (frame - static_cast<int64_t>(firstFrame)) / static_cast<int64_t>(kFramesPerRow);
  };

  int asked = 0;
  int wrong = 0;
  for (double now = 0.5; true; now += step(random)) {
    serve(now);
    output.now = at(now);
    const auto heard = static_cast<int64_t>(now * speakerRate);
    if (heard >= static_cast<int64_t>(endFrame)) break;
    const uint32_t position = engine.MusicGetOrderPosition(music);
    const int64_t row = OrderOf(position) * kRows + RowOf(position);
    const int64_t tenMs = kOutputRate / 100;
    ++asked;
    if (row < rowHeard(heard - tenMs) || row > rowHeard(heard + tenMs)) {
      if (++wrong <= 5)
        ADD_FAILURE() << "at " << now << " s heard row " << rowHeard(heard) << ", answered " << row;
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << asked;
  EXPECT_GT(asked, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, AudiblePositionTest,
    testing::Values(Device{"prompt_10ms_buffers", 441, 882, 0.0, 0.0},
                    Device{"jittery_23ms_buffers", 1024, 2048, 4.0, 0.0002},
                    Device{"slow_93ms_buffers_late_thread", 4096, 8192, 9.0, -0.0005}),
    [](const testing::TestParamInfo<Device>& info) { return info.param.name; });

}  // namespace
}  // namespace qv::test
