#include "visuals/pan_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace qv {
namespace {

constexpr PanBounds kTrack1 = kPanBounds[0];
constexpr MotionParams kStill{11.0, 0.0, 10.0};  // no wobble
const TickSource kTickZero = [] { return 0u; };

struct Step {
  const char* name;
  PanState before;
  MotionParams params;
  PanState after;
};

class StepPanCases : public ::testing::TestWithParam<Step> {};

// With every tick 0 the sines add nothing, each cosine term adds the gain (a fifth for the
// fast ones, 4.8 × gain in all on vy), and the brake is (D + 2) / (D + 2): 1 but for the
// last bit, which the expected values below account for by computing it the same way.
TEST_P(StepPanCases, MovesLimitsAndBouncesAsTheTableSays) {
  const Step& s = GetParam();
  PanState pan = s.before;
  StepPan(pan, kTrack1, s.params, kTickZero);
  EXPECT_DOUBLE_EQ(pan.x, s.after.x);
  EXPECT_DOUBLE_EQ(pan.y, s.after.y);
  EXPECT_EQ(pan.sx, s.after.sx);
  EXPECT_EQ(pan.sy, s.after.sy);
  const double brake = (1.0 + s.params.damping + 1.0) * (1.0 / (s.params.damping + 2.0));
  EXPECT_EQ(pan.vx, s.after.vx * brake);
  EXPECT_DOUBLE_EQ(pan.vy, s.after.vy * brake);
}

INSTANTIATE_TEST_SUITE_P(Table, StepPanCases,
                         ::testing::Values(
                             // The limit is applied after the move, to the carried velocity only.
                             Step{"LimitLeavesExactlyTheLimit",
                                  {100, 100, 11.0, -11.0, 1, 1},
                                  kStill,
                                  {111, 89, 11.0, -11.0, 1, 1}},
                             Step{"LimitCutsJustAbove",
                                  {100, 100, 11.000001, -11.000001, 1, 1},
                                  kStill,
                                  {111.000001, 88.999999, 11.0, -11.0, 1, 1}},
                             Step{"NegativeVelocityPositiveSignGoesDown",
                                  {100, 100, -3.0, 2.0, 1, -1},
                                  kStill,
                                  {97, 98, -3.0, 2.0, 1, -1}},
                             // A position landing exactly on a bound stays and keeps its sign.
                             Step{"LandingOnTheBoundStays",
                                  {981.0, 449.0, 1.0, 1.0, 1, 1},
                                  kStill,
                                  {982.0, 450.0, 1.0, 1.0, 1, 1}},
                             Step{"PassingTheUpperBoundBounces",
                                  {981.5, 449.5, 1.0, 1.0, 1, 1},
                                  kStill,
                                  {982.0, 450.0, 1.0, 1.0, -1, -1}},
                             Step{"PassingTheLowerBoundBounces",
                                  {-29.5, -60.5, 1.0, 1.0, -1, -1},
                                  kStill,
                                  {-30.0, -61.0, 1.0, 1.0, 1, 1}},
                             Step{"ZeroVelocitiesDoNotMove",
                                  {100, 100, 0.0, 0.0, 1, 1},
                                  kStill,
                                  {100, 100, 0.0, 0.0, 1, 1}},
                             // Every tick 0: the wobble adds 4.8 × gain to vy and nothing to vx.
                             Step{"WobbleAtTickZeroPushesOnlyVy",
                                  {100, 100, 1.0, 1.0, 1, 1},
                                  {11.0, 0.7, 10.0},
                                  {101, 101, 1.0, 1.0 + 4.8 * 0.7, 1, 1}}),
                         [](const ::testing::TestParamInfo<Step>& info) {
                           return info.param.name;
                         });

TEST(StepPan, TheBounceAt981AndAHalfTurnsThePictureBack) {
  PanState pan{981.5, 100, 1.0, 0.0, 1, 1};
  StepPan(pan, kTrack1, kStill, kTickZero);
  EXPECT_EQ(pan.x, 982.0);
  EXPECT_EQ(pan.sx, -1);
  EXPECT_GT(pan.vx, 0.0);
  StepPan(pan, kTrack1, kStill, kTickZero);
  EXPECT_LT(pan.x, 982.0);
}

TEST(StepPan, ReadsEighteenTicksAsUnsignedMilliseconds) {
  // A tick of 2^31 or more is a large positive time, never a negative one: the wobble and
  // brake then equal those computed from the positive value.
  for (uint32_t tick : {0x80000000u, 0xFFFFFFFFu, 123456u}) {
    int reads = 0;
    const TickSource source = [&] {
      ++reads;
      return tick;
    };
    PanState pan{100, 100, 1.0, 1.0, 1, 1};
    const MotionParams params{11.0, 0.7, 10.0};
    StepPan(pan, kTrack1, params, source);
    EXPECT_EQ(reads, 18);

    const double t = static_cast<double>(tick);
    double vx = 1.0, vy = 1.0;
    const double omegas[] = {0.0001, 0.00015, 0.0002, 0.00025, 0.0003, 0.00035, 0.0004, 0.00045,
                             0.001,  0.0015,  0.002,  0.0025,  0.003,  0.0035,  0.004,  0.0045};
    for (int i = 0; i < 16; ++i) {
      double push = (i % 2 == 0 ? std::sin(omegas[i] * t) : std::cos(omegas[i] * t)) * 0.7;
      if (i >= 8) push = push * 0.2;
      (i % 2 == 0 ? vx : vy) += push;
    }
    vx = (std::cos(0.00099 * t) + 10.0 + 1.0) * (1.0 / 12.0) * vx;
    vy = (std::cos(0.0009 * t) + 10.0 + 1.0) * (1.0 / 12.0) * vy;
    EXPECT_EQ(pan.vx, vx) << tick;
    EXPECT_EQ(pan.vy, vy) << tick;
  }
}

TEST(StepPan, TheFirstStepAfterPlacingMovesEachCoordinateByExactlyOne) {
  std::array<PanState, 2> pans{};
  PlacePans(pans, 1765400000);
  for (size_t track = 0; track < 2; ++track) {
    const PanState placed = pans[track];
    // Whatever the parameters: the limit comes after the move.
    StepPan(pans[track], kPanBounds[track], MotionParams{0.1, 50.0, 1.0}, [] { return 777u; });
    EXPECT_EQ(pans[track].x, placed.x + 1.0);
    EXPECT_EQ(pans[track].y, placed.y + 1.0);
  }
}

TEST(PlacePans, DrawsFourWholePositionsFromTheTimeSeededGeneratorInOrder) {
  for (std::time_t now : {std::time_t{0}, std::time_t{1765400000}, std::time_t{2147483647}}) {
    std::array<PanState, 2> pans{};
    PlacePans(pans, now);

    std::srand(static_cast<unsigned>(now));
    const int x1 = std::rand() % 800, y1 = std::rand() % 300;
    const int x2 = std::rand() % 800, y2 = std::rand() % 300;
    EXPECT_EQ(pans[0], (PanState{double(x1), double(y1), 1.0, 1.0, 1, 1}));
    EXPECT_EQ(pans[1], (PanState{double(x2), double(y2), 1.0, 1.0, 1, 1}));
  }
}

}  // namespace
}  // namespace qv
