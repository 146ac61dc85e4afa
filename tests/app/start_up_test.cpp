#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/run_player.h"
#include "skin/build_skin.h"
#include "skin/mask_plane.h"
#include "tests/app/player_harness.h"

namespace qv {
namespace {

using test::PlayerHarness;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

TEST(StartUp, RunsInOrderAndPaintsTheIdleFrameBeforeTheMusicOpens) {
  PlayerHarness player;
  player.windows.CloseAt(120);
  EXPECT_EQ(RunPlayer(player.services), 0);

  const std::vector<std::string> start(player.log.begin(), player.log.begin() + 26);
  EXPECT_THAT(
      start, ElementsAre("RegisterClass QUORVENDAL",
                         "CreateWindow QUORVENDAL \"Quorvendal\" at 100,100 size 16x4",
                         // The first message sets up the four picture holders.
                         "message 0x0081", "decoder", "decoder", "decoder", "decoder",
                         "DefWindowProc 0x0081",
                         // Creation: pictures, then the timer, then the pans.
                         "message 0x0001", "decode data/duskvale.jpg", "decode data/greets.jpg",
                         "decode data/player_on.jpg", "decode data/player_off.jpg", "SetTimer 1 50",
                         "calendar time", "SetWindowShape 4 rectangles", "ShowWindow",
                         "UpdateWindow", "message 0x000F", "BeginPaint", "EndPaint", "PresentFrame",
                         // Only now the music.
                         "init -1 44100", "load data/tov_amber_drift.it", "attr 1 0 100",
                         "load data/tov_cobalt_orbit.it"));
  // Two timer ticks, each followed by one paint, then the close request ends the run.
  EXPECT_THAT(player.LogFrom("message 0x0113"),
              ElementsAre("message 0x0113", "message 0x000F", "BeginPaint", "EndPaint",
                          "PresentFrame", "message 0x0113", "message 0x000F", "BeginPaint",
                          "EndPaint", "PresentFrame", "message 0x0010", "DefWindowProc 0x0010",
                          "DestroyWindow", "message 0x0002", "PostQuitMessage 0", "free"));

  const ColorBitmap& frame = player.windows.LastFrame();
  const Skin skin = *BuildSkin(std::filesystem::path("data/mask.bmp")).skin;
  ASSERT_EQ(frame.width, 16);
  ASSERT_EQ(frame.height, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 16; ++x) {
      const uint32_t expected = HitTest(x, y, skin.masks.shape) ? player.skinOff.At(x, y) : 0u;
      EXPECT_EQ(frame.At(x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(player.windows.Shape(), skin.outline);
  EXPECT_EQ(player.windows.Class().icon.width, 32);
}

TEST(StartUp, AMissingMaskIsToldInOneLineAndEndsWithOneBeforeAnyWindowOrSound) {
  PlayerHarness player(test::kPlayerMask, /*writeMask=*/false);
  EXPECT_EQ(RunPlayer(player.services), 1);
  EXPECT_THAT(player.log, ElementsAre("RegisterClass QUORVENDAL"));
  const std::string said = player.errors.str();
  EXPECT_THAT(said, ::testing::StartsWith("quorvendal: data/mask.bmp: "));
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

TEST(StartUp, AWindowThatCannotBeMadeIsToldAndNoSoundIsTouched) {
  PlayerHarness player;
  player.windows.FailCreation("cannot open the display");
  EXPECT_EQ(RunPlayer(player.services), 1);
  EXPECT_EQ(player.errors.str(), "quorvendal: cannot open the display\n");
  EXPECT_THAT(player.log, Not(Contains(::testing::StartsWith("init"))));
  EXPECT_THAT(player.log, Not(Contains("free")));
}

TEST(StartUp, APressOnTheCloseButtonEndsTheProgramWithZero) {
  PlayerHarness player;
  player.windows.ScheduleInput(
      70, Message{MessageId::LButtonDown, 0, MakePointParam(test::kClose.x, test::kClose.y)});
  player.windows.CloseAt(60000);  // a guard: the press must end the run long before
  EXPECT_EQ(RunPlayer(player.services), 0);
  EXPECT_LT(player.windows.NowMs(), 100u);
  EXPECT_THAT(player.LogFrom("message 0x0201"),
              ElementsAre("message 0x0201", "DestroyWindow", "message 0x0002", "PostQuitMessage 0",
                          "free"));
}

}  // namespace
}  // namespace qv
