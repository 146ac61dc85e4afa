#include <gtest/gtest.h>

#include "app/main_window_proc.h"
#include "app/start_up.h"
#include "tests/app/player_harness.h"

namespace qv {
namespace {

// The started player with a scripted music position, driven message by message.
class Playing : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartUp(state)); }

  void Press(test::Spot spot) {
    MainWindowProc(state, Message{MessageId::LButtonDown, 0, MakePointParam(spot.x, spot.y)});
  }
  void Paint() { MainWindowProc(state, Message{MessageId::Paint, 0, 0}); }

  test::PlayerHarness player;
  AppState state{player.services};
};

TEST_F(Playing, OrderFourteenRowOneRacesExactlyTwoPixelsAPaintAlongTheSign) {
  Press(test::kFirstButton);
  player.engine.position[1] = MakeOrderPosition(14, 1);
  for (int paint = 0; paint < 40; ++paint) {
    const PanState before = state.pans[0];
    Paint();
    const PanState& after = state.pans[0];
    if (after.sx != before.sx) continue;  // a bounce
    EXPECT_EQ(after.x, before.x + 2.0 * before.sx) << "paint " << paint;
  }
}

TEST_F(Playing, TrackTwoStandsStillFromRowOneOfOrderZero) {
  Press(test::kSecondButton);
  player.engine.position[2] = MakeOrderPosition(0, 1);
  Paint();  // the first paint there may still move by what came before
  const PanState still = state.pans[1];
  for (int paint = 0; paint < 20; ++paint) {
    Paint();
    EXPECT_EQ(state.pans[1].x, still.x);
    EXPECT_EQ(state.pans[1].y, still.y);
  }
}

TEST_F(Playing, SwitchingTracksResumesEachPanWhereItStopped) {
  player.engine.position[1] = MakeOrderPosition(2, 5);
  player.engine.position[2] = MakeOrderPosition(3, 5);
  Press(test::kFirstButton);
  Paint();
  Paint();
  const PanState firstLeft = state.pans[0];
  const PanState secondIdle = state.pans[1];

  Press(test::kSecondButton);
  Paint();
  EXPECT_EQ(state.pans[0], firstLeft) << "track 1's pan stands while track 2 plays";
  EXPECT_NE(state.pans[1], secondIdle);
  const PanState secondLeft = state.pans[1];

  Press(test::kFirstButton);
  EXPECT_EQ(state.pans[0], firstLeft) << "a start does not move the pan";
  Paint();
  EXPECT_EQ(state.pans[1], secondLeft);
  EXPECT_EQ(state.pans[0].x, firstLeft.x + firstLeft.sx * firstLeft.vx);
}

}  // namespace
}  // namespace qv
