#include "app/main_window_proc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "app/start_up.h"
#include "tests/app/player_harness.h"

namespace qv {
namespace {

using test::Spot;
using ::testing::ElementsAreArray;

Message At(MessageId id, Spot spot) {
  return Message{id, 0, MakePointParam(spot.x, spot.y)};
}

struct Dispatch {
  const char* name;
  Message message;
  std::vector<std::string> log;  // what handling it does, in order
  intptr_t result = 0;
  std::optional<SystemCursor> cursor = std::nullopt;
};

class DispatchTable : public ::testing::TestWithParam<Dispatch> {};

TEST_P(DispatchTable, HandlesEachMessageAsTheTableSays) {
  const Dispatch& d = GetParam();
  test::PlayerHarness player;
  AppState state(player.services);
  ASSERT_TRUE(StartUp(state));
  player.log.clear();

  EXPECT_EQ(MainWindowProc(state, d.message), d.result);
  EXPECT_THAT(player.log, ElementsAreArray(d.log));
  if (d.cursor) {
    EXPECT_EQ(player.windows.Cursor(), d.cursor);
  }
}

const std::vector<std::string> kEnds = {"DestroyWindow", "message 0x0002", "PostQuitMessage 0"};

INSTANTIATE_TEST_SUITE_P(
    Messages, DispatchTable,
    ::testing::Values(
        Dispatch{"PaintValidatesThenComposes",
                 {MessageId::Paint, 0, 0},
                 {"BeginPaint", "EndPaint", "PresentFrame"}},
        Dispatch{"EraseBackgroundErasesNothing", {MessageId::EraseBkgnd, 0, 0}, {}},
        Dispatch{"EscapeDestroysTheWindow", {MessageId::KeyDown, kVkEscape, 0}, kEnds},
        Dispatch{"OtherKeysDoNothing", {MessageId::KeyDown, 'A', 0}, {}},
        Dispatch{"IdleTimerOnlyInvalidates", {MessageId::Timer, 7, 0}, {}},
        Dispatch{"DestroyPostsQuit", {MessageId::Destroy, 0, 0}, {"PostQuitMessage 0"}},
        Dispatch{"CloseGetsDefaultProcessing",
                 {MessageId::Close, 0, 0},
                 {"DefWindowProc 0x0010", "DestroyWindow", "message 0x0002", "PostQuitMessage 0"}},
        Dispatch{"RightButtonGetsDefaultProcessing",
                 {MessageId::RButtonDown, 0, 0},
                 {"DefWindowProc 0x0204"}},
        Dispatch{
            "DefaultResultIsPassedOn", {MessageId::NcCreate, 0, 0}, {"DefWindowProc 0x0081"}, 1},
        Dispatch{"HandOverFirstButton",
                 At(MessageId::MouseMove, test::kFirstButton),
                 {"SetCursor hand"},
                 0,
                 SystemCursor::Hand},
        Dispatch{"HandOverSecondButton",
                 At(MessageId::MouseMove, test::kSecondButton),
                 {"SetCursor hand"},
                 0,
                 SystemCursor::Hand},
        Dispatch{"HandOverClose",
                 At(MessageId::MouseMove, test::kClose),
                 {"SetCursor hand"},
                 0,
                 SystemCursor::Hand},
        Dispatch{"ArrowOverHandle",
                 At(MessageId::MouseMove, test::kHandle),
                 {"SetCursor arrow"},
                 0,
                 SystemCursor::Arrow},
        Dispatch{"ArrowOverViewport",
                 At(MessageId::MouseMove, test::kSecondViewport),
                 {"SetCursor arrow"},
                 0,
                 SystemCursor::Arrow},
        Dispatch{"ArrowOverBody",
                 At(MessageId::MouseMove, test::kBody),
                 {"SetCursor arrow"},
                 0,
                 SystemCursor::Arrow},
        Dispatch{"PressOnHandlePostsTheDrag",
                 At(MessageId::LButtonDown, test::kHandle),
                 {"PostMessage 0x00A1"}},
        Dispatch{"PressOnFirstButtonStartsTrackOne",
                 At(MessageId::LButtonDown, test::kFirstButton),
                 {"stop 1", "stop 2", "rewind 1", "play 1"}},
        Dispatch{"PressOnSecondButtonStartsTrackTwo",
                 At(MessageId::LButtonDown, test::kSecondButton),
                 {"stop 1", "stop 2", "rewind 2", "play 2"}},
        Dispatch{"PressOnCloseDestroysTheWindow", At(MessageId::LButtonDown, test::kClose), kEnds},
        Dispatch{
            "PressOnViewportDoesNothing", At(MessageId::LButtonDown, test::kFirstViewport), {}},
        Dispatch{"PressOnBodyDoesNothing", At(MessageId::LButtonDown, test::kBody), {}}),
    [](const ::testing::TestParamInfo<Dispatch>& info) { return info.param.name; });

TEST(MainWindowProc, TheDragIsPostedWithThePressItselfAndHandledAfterIt) {
  test::PlayerHarness player;
  AppState state(player.services);
  ASSERT_TRUE(StartUp(state));
  const Message press = At(MessageId::LButtonDown, test::kHandle);
  MainWindowProc(state, press);

  Message next;
  int code = 0;
  ASSERT_TRUE(player.windows.GetMessage(next, code));
  EXPECT_EQ(next.id, MessageId::NcLButtonDown);
  EXPECT_EQ(next.wParam, kHtCaption);
  EXPECT_EQ(next.lParam, press.lParam);
  EXPECT_EQ(state.playlist.mode, PlayMode::Idle);
}

TEST(MainWindowProc, TimerInvalidatesAndTicksThePlaylistAndSeveralGiveOnePaint) {
  test::PlayerHarness player;
  AppState state(player.services);
  ASSERT_TRUE(StartUp(state));
  MainWindowProc(state, At(MessageId::LButtonDown, test::kFirstButton));
  player.log.clear();

  MainWindowProc(state, Message{MessageId::Timer, 1, 0});
  MainWindowProc(state, Message{MessageId::Timer, 99, 0});
  EXPECT_TRUE(player.windows.IsInvalid());
  EXPECT_THAT(player.log, ElementsAreArray({"ask 1", "ask 1"}));

  Message next;
  int code = 0;
  ASSERT_TRUE(player.windows.GetMessage(next, code));
  EXPECT_EQ(next.id, MessageId::Paint);
  player.windows.DispatchMessage(next);
  EXPECT_FALSE(player.windows.IsInvalid());
}

}  // namespace
}  // namespace qv
