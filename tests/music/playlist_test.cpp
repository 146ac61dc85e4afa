#include "music/playlist.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/recording_engine.h"

namespace qv {
namespace {

using test::RecordingEngine;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr MotionParams kTrack1Preset{0.3, 0.7, 10.0};
constexpr MotionParams kTrack2Preset{11.0, 0.7, 10.0};
constexpr MotionParams kCueValues{21.0, 150.0, 1000.0};  // something a cue could have left

enum class Event { Start1, Start2, Tick };

struct Transition {
  const char* name;
  PlayMode from;
  Event event;
  std::map<MusicHandle, uint32_t> active;  // answers of the activity query
  std::vector<std::string> calls;
  PlayMode to;
  MotionParams motionAfter;
  std::vector<std::string> failedLoads = {};
};

class PlaylistTransitions : public ::testing::TestWithParam<Transition> {};

TEST_P(PlaylistTransitions, MakeTheEngineCallsAndLeaveModeAndPreset) {
  const Transition& t = GetParam();
  std::vector<std::string> log;
  RecordingEngine engine(log);
  for (const std::string& path : t.failedLoads)
    engine.loadFails[path] = true;
  engine.active = t.active;
  MotionParams motion = kCueValues;
  Playlist playlist{engine, motion};
  OpenMusic(playlist);
  playlist.mode = t.from;
  log.clear();

  switch (t.event) {
    case Event::Start1:
      StartTrack(playlist, 1);
      break;
    case Event::Start2:
      StartTrack(playlist, 2);
      break;
    case Event::Tick:
      PlaylistTick(playlist);
      break;
  }

  EXPECT_THAT(log, ElementsAreArray(t.calls));
  EXPECT_EQ(playlist.mode, t.to);
  EXPECT_EQ(motion, t.motionAfter);
}

const char* kTrack2 = "data/tov_cobalt_orbit.it";
const char* kTrack1 = "data/tov_amber_drift.it";

INSTANTIATE_TEST_SUITE_P(
    StateTable, PlaylistTransitions,
    ::testing::Values(Transition{"StartOneFromIdle",
                                 PlayMode::Idle,
                                 Event::Start1,
                                 {},
                                 {"stop 1", "stop 2", "rewind 1", "play 1"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset},
                      Transition{"StartOneWhilePlayingOne",
                                 PlayMode::FirstTrack,
                                 Event::Start1,
                                 {},
                                 {"stop 1", "stop 2", "rewind 1", "play 1"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset},
                      Transition{"StartTwoWhilePlayingOne",
                                 PlayMode::FirstTrack,
                                 Event::Start2,
                                 {},
                                 {"stop 1", "stop 2", "rewind 2", "play 2"},
                                 PlayMode::SecondTrack,
                                 kTrack2Preset},
                      Transition{"TickInIdleCallsNothing",
                                 PlayMode::Idle,
                                 Event::Tick,
                                 {{1, 0}, {2, 0}},
                                 {},
                                 PlayMode::Idle,
                                 kCueValues},
                      Transition{"TickWhileOnePlays",
                                 PlayMode::FirstTrack,
                                 Event::Tick,
                                 {{1, 7}},
                                 {"ask 1"},
                                 PlayMode::FirstTrack,
                                 kCueValues},
                      Transition{"OneEndsTwoTakesOver",
                                 PlayMode::FirstTrack,
                                 Event::Tick,
                                 {{1, 0}},
                                 {"ask 1", "rewind 2", "play 2", "ask 2"},
                                 PlayMode::SecondTrack,
                                 kTrack2Preset},
                      Transition{"OneEndsTwoEndsAtOnce",
                                 PlayMode::FirstTrack,
                                 Event::Tick,
                                 {{1, 0}, {2, 0}},
                                 {"ask 1", "rewind 2", "play 2", "ask 2", "rewind 1", "play 1"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset},
                      Transition{"TickWhileTwoPlays",
                                 PlayMode::SecondTrack,
                                 Event::Tick,
                                 {},
                                 {"ask 2"},
                                 PlayMode::SecondTrack,
                                 kCueValues},
                      Transition{"TwoEndsOneTakesOver",
                                 PlayMode::SecondTrack,
                                 Event::Tick,
                                 {{2, 0}},
                                 {"ask 2", "rewind 1", "play 1"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset},
                      // A module that failed to load has handle 0: every call on it does nothing
                      // and it counts as ended at once.
                      Transition{"TwoMissingButtonStopsOne",
                                 PlayMode::FirstTrack,
                                 Event::Start2,
                                 {},
                                 {"stop 1", "stop 0", "rewind 0", "play 0"},
                                 PlayMode::SecondTrack,
                                 kTrack2Preset,
                                 {kTrack2}},
                      Transition{"TwoMissingTickRestartsOne",
                                 PlayMode::SecondTrack,
                                 Event::Tick,
                                 {},
                                 {"ask 0", "rewind 1", "play 1"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset,
                                 {kTrack2}},
                      Transition{"TwoMissingOneEndsAndRepeats",
                                 PlayMode::FirstTrack,
                                 Event::Tick,
                                 {{1, 0}},
                                 {"ask 1", "rewind 0", "play 0", "ask 0", "rewind 1", "play 1"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset,
                                 {kTrack2}},
                      Transition{"OneMissingTickMovesToTwo",
                                 PlayMode::FirstTrack,
                                 Event::Tick,
                                 {},
                                 {"ask 0", "rewind 2", "play 2", "ask 2"},
                                 PlayMode::SecondTrack,
                                 kTrack2Preset,
                                 {kTrack1}},
                      Transition{"NeitherLoadedEveryTickEndsInOne",
                                 PlayMode::FirstTrack,
                                 Event::Tick,
                                 {},
                                 {"ask 0", "rewind 0", "play 0", "ask 0", "rewind 0", "play 0"},
                                 PlayMode::FirstTrack,
                                 kTrack1Preset,
                                 {kTrack1, kTrack2}}),
    [](const ::testing::TestParamInfo<Transition>& info) { return info.param.name; });

TEST(OpenMusic, FallsBackToTheNoSoundDeviceThenLoadsBothTracksAtFullAmplification) {
  std::vector<std::string> log;
  RecordingEngine engine(log);
  engine.defaultDeviceWorks = false;
  MotionParams motion;
  Playlist playlist{engine, motion};
  OpenMusic(playlist);
  EXPECT_THAT(log, ElementsAre("init -1 44100", "init 0 44100", "load data/tov_amber_drift.it",
                               "attr 1 0 100", "load data/tov_cobalt_orbit.it", "attr 2 0 100"));
  EXPECT_EQ(playlist.mode, PlayMode::Idle);
  EXPECT_EQ(motion, MotionParams{});

  log.clear();
  CloseMusic(playlist);
  EXPECT_THAT(log, ElementsAre("free"));
}

}  // namespace
}  // namespace qv
