#include "app/main_window_proc.h"

#include "skin/mask_plane.h"
#include "visuals/compose_frame.h"

namespace qv {

namespace {

void OnCreate(AppState& state) {
  state.pictures = PreparePictures(*state.holders, state.skin.masks.width, state.skin.masks.height);
  state.services.windows.SetTimer(kAnimationTimerId, kTimerPeriodMs);
  PlacePans(state.pans, state.services.calendarTime());
}

void OnPaint(AppState& state) {
  WindowSystem& windows = state.services.windows;
  windows.BeginPaint();
  windows.EndPaint();
  ColorBitmap& frame = state.frameBuffer;
  if (frame.width != state.skin.masks.width || frame.height != state.skin.masks.height) {
    frame = ColorBitmap(state.skin.masks.width, state.skin.masks.height);
  }
  FrameContext context{state.pictures, state.skin.bitmaps, state.playlist,
                       state.pans,     state.motion,       state.services.tickMs};
  ComposeFrame(context, frame);
  windows.PresentFrame(frame);
}

// The hand over the two track buttons and the close button, the arrow everywhere else.
void OnMouseMove(AppState& state, int x, int y) {
  const SkinMasks& masks = state.skin.masks;
  const bool overButton = HitTest(x, y, masks.firstTrackButton) ||
                          HitTest(x, y, masks.secondTrackButton) ||
                          HitTest(x, y, masks.closeButton);
  state.services.windows.SetCursor(overButton ? SystemCursor::Hand : SystemCursor::Arrow);
}

// Acts on the press; every pixel has one code, so at most one test hits.
void OnLeftButtonDown(AppState& state, const Message& message) {
  const SkinMasks& masks = state.skin.masks;
  const int x = PointParamX(message.lParam), y = PointParamY(message.lParam);
  WindowSystem& windows = state.services.windows;
  if (HitTest(x, y, masks.dragHandle)) {
    // Posted, so that this press is finished before the window system starts the drag.
    windows.PostMessage(Message{MessageId::NcLButtonDown, kHtCaption, message.lParam});
  } else if (HitTest(x, y, masks.firstTrackButton)) {
    StartTrack(state.playlist, 1);
  } else if (HitTest(x, y, masks.secondTrackButton)) {
    StartTrack(state.playlist, 2);
  } else if (HitTest(x, y, masks.closeButton)) {
    windows.DestroyWindow();
  }
}

}  // namespace

intptr_t MainWindowProc(AppState& state, const Message& message) {
  if (!state.holders) state.holders.emplace(state.services.decoders);

  WindowSystem& windows = state.services.windows;
  switch (message.id) {
    case MessageId::Create:
      OnCreate(state);
      return 0;
    case MessageId::Destroy:
      windows.PostQuitMessage(0);
      return 0;
    case MessageId::Paint:
      OnPaint(state);
      return 0;
    case MessageId::EraseBkgnd:
      return 0;  // the frame covers every pixel; erasing would only flicker
    case MessageId::KeyDown:
      if (message.wParam == kVkEscape) windows.DestroyWindow();
      return 0;
    case MessageId::Timer:
      windows.InvalidateWindow();
      PlaylistTick(state.playlist);
      return 0;
    case MessageId::MouseMove:
      OnMouseMove(state, PointParamX(message.lParam), PointParamY(message.lParam));
      return 0;
    case MessageId::LButtonDown:
      OnLeftButtonDown(state, message);
      return 0;
    default:
      return windows.DefWindowProc(message);
  }
}

}  // namespace qv
