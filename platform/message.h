#pragma once

#include <cstdint>

namespace qv {

// The system's own messages. They keep the numbers of the native window system the player
// was first written for, so traces and tests read the same on every front end.
enum class MessageId : uint32_t {
  Create = 0x0001,
  Destroy = 0x0002,
  Paint = 0x000F,
  Close = 0x0010,
  EraseBkgnd = 0x0014,
  NcCreate = 0x0081,
  NcLButtonDown = 0x00A1,
  KeyDown = 0x0100,
  KeyUp = 0x0101,
  Timer = 0x0113,
  MouseMove = 0x0200,
  LButtonDown = 0x0201,
  LButtonUp = 0x0202,
  RButtonDown = 0x0204,
  RButtonUp = 0x0205,
  MouseWheel = 0x020A,
};

constexpr uintptr_t kVkEscape = 0x1B;
constexpr uintptr_t kHtCaption = 2;
constexpr uintptr_t kAnimationTimerId = 1;

struct Message {
  MessageId id{};
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

// Mouse messages carry x in the low 16 bits and y in the high 16 bits of lParam.
constexpr intptr_t MakePointParam(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<uint32_t>(x & 0xFFFF));
}
constexpr int PointParamX(intptr_t lParam) {
  return static_cast<int>(lParam & 0xFFFF);
}
constexpr int PointParamY(intptr_t lParam) {
  return static_cast<int>((lParam >> 16) & 0xFFFF);
}

}  // namespace qv
