#include "visuals/cue_script.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/recording_engine.h"

namespace qv {
namespace {

constexpr MotionParams kBefore{-1.0, -2.0, -3.0};  // values no rule writes
constexpr double kVelocityBefore = -9.0;

struct Cue {
  int track;
  uint16_t order;
  uint16_t row;
  MotionParams after;
  std::optional<double> vx = std::nullopt;  // the velocities afterwards, when a rule wrote them
  std::optional<double> vy = std::nullopt;
};

class EvaluateCuesAt : public ::testing::TestWithParam<Cue> {};

TEST_P(EvaluateCuesAt, WritesWhatTheRulesThatHoldWrite) {
  const Cue& c = GetParam();
  MotionParams motion = kBefore;
  PanState pan{0, 0, kVelocityBefore, kVelocityBefore, 1, 1};
  EvaluateCues(c.track, c.order, c.row, motion, pan);
  EXPECT_EQ(motion, c.after) << "track " << c.track << " order " << c.order << " row " << c.row;
  EXPECT_EQ(pan.vx, c.vx.value_or(kVelocityBefore));
  EXPECT_EQ(pan.vy, c.vy.value_or(kVelocityBefore));
}

INSTANTIATE_TEST_SUITE_P(
    EdgePositions, EvaluateCuesAt,
    ::testing::Values(
        // Track 1: strict row limits.
        Cue{1, 5, 104, kBefore}, Cue{1, 5, 105, {0.1, 0, -3.0}},  //
        Cue{1, 6, 0, kBefore}, Cue{1, 6, 1, {11, 50, -3.0}},      //
        Cue{1, 8, 0, {11, 1, -3.0}},                              //
        // Orders 10 to 13: jolts on their rows, hard braking between, none late in order 11.
        Cue{1, 10, 0, {11, 15, 1000}}, Cue{1, 13, 109, {11, 15, 1000}}, Cue{1, 12, 2, {11, 1, 1}},
        Cue{1, 12, 119, {11, 1, 1}}, Cue{1, 12, 122, {11, 1, 1}}, Cue{1, 12, 65535, {11, 1, 1}},
        Cue{1, 10, 120, {11, 15, 1000}}, Cue{1, 13, 121, {11, 15, 1000}}, Cue{1, 11, 120, kBefore},
        Cue{1, 11, 121, kBefore}, Cue{1, 11, 28, {11, 15, 1000}},
        // Order 14 races: the later rule's parameters win, vx is set all the same.
        Cue{1, 14, 0, kBefore}, Cue{1, 14, 1, {5, 0, 10000}, 2.0},
        Cue{1, 14, 28, {5, 0, 10000}, 2.0}, Cue{1, 14, 29, {11, 1, 10}, 2.0},
        Cue{1, 17, 80, kBefore}, Cue{1, 17, 81, {21, 150, 10}},  //
        Cue{1, 19, 24, kBefore}, Cue{1, 19, 25, {11, 1, -3.0}},  //
        Cue{1, 7, 50, kBefore}, Cue{1, 20, 1, kBefore},
        // Track 2.
        Cue{2, 0, 0, kBefore}, Cue{2, 0, 1, {0.5, 1, -3.0}, 0.0, 0.0}, Cue{2, 8, 2, kBefore},
        Cue{2, 12, 3, {11, 222, -3.0}}, Cue{2, 15, 36, {11, 222, -3.0}},
        Cue{2, 12, 37, {11, 1, -3.0}}, Cue{2, 16, 40, kBefore}, Cue{2, 16, 41, {0.2, 1, -3.0}},
        Cue{2, 17, 1, {11, 30, -3.0}}, Cue{2, 21, 1, {11, 1, -3.0}}, Cue{2, 26, 1, {11, 30, -3.0}},
        Cue{2, 30, 1, {11, 1, -3.0}}, Cue{2, 7, 50, kBefore}, Cue{2, 31, 1, kBefore},
        // All 32 bits of the position set, on either track; and no third track.
        Cue{1, 65535, 65535, kBefore}, Cue{2, 65535, 65535, kBefore}, Cue{3, 14, 1, kBefore}));

TEST(EvaluateCues, EachRuleLatchesUntilSomethingWritesOverIt) {
  MotionParams motion{11.0, 0.7, 10.0};
  PanState pan{};
  EvaluateCues(2, 17, 1, motion, pan);
  for (uint16_t order : {18, 19, 20}) {
    for (uint16_t row : {0, 1, 63}) {
      EvaluateCues(2, order, row, motion, pan);
      EXPECT_EQ(motion.wobbleGain, 30.0) << order << "/" << row;
    }
  }
  EvaluateCues(2, 21, 0, motion, pan);
  EXPECT_EQ(motion.wobbleGain, 30.0);
  EvaluateCues(2, 21, 1, motion, pan);
  EXPECT_EQ(motion.wobbleGain, 1.0);
}

TEST(ApplyCues, ReadsThePlayingTracksPositionOnceAndWritesOnlyItsPan) {
  std::vector<std::string> log;
  test::RecordingEngine engine(log);
  engine.position[7] = MakeOrderPosition(0, 1);  // track 2, order 0 row 1: stand still
  engine.position[3] = MakeOrderPosition(14, 1);
  MotionParams motion;
  std::array<PanState, 2> pans{PanState{0, 0, 5, 5, 1, 1}, PanState{0, 0, 5, 5, 1, 1}};

  ApplyCues(2, engine, 7, motion, pans);
  EXPECT_EQ(log, std::vector<std::string>{"pos 7"});
  EXPECT_EQ(pans[1].vx, 0.0);
  EXPECT_EQ(pans[1].vy, 0.0);
  EXPECT_EQ(pans[0], (PanState{0, 0, 5, 5, 1, 1}));

  ApplyCues(1, engine, 3, motion, pans);
  EXPECT_EQ(pans[0].vx, 2.0);
  EXPECT_EQ(pans[1].vx, 0.0);
}

}  // namespace
}  // namespace qv
