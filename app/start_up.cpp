#include "app/start_up.h"

#include "app/main_window_proc.h"
#include "resources/icon.h"
#include "resources/string_table.h"

namespace qv {

namespace {

constexpr int kWindowX = 100;
constexpr int kWindowY = 100;

}  // namespace

bool StartUp(AppState& state) {
  PlayerServices& services = state.services;
  WindowSystem& windows = services.windows;

  const std::string title = LoadString(kTitleString);
  const std::string className = LoadString(kClassNameString);
  const auto icon = ProgramIconPixels();
  windows.RegisterClass(WindowClass{
      className, [&state](const Message& message) { return MainWindowProc(state, message); },
      IconImage{kIconSize, kIconSize, icon.data()}});

  // Without its mask the window would have no size and nothing to close it by.
  BuildSkinResult built = BuildSkin();
  if (!built.skin) {
    services.errors << "quorvendal: " << built.error << '\n';
    return false;
  }
  state.skin = std::move(*built.skin);

  std::string failure;
  const WindowCreation creation{
      className, title, kWindowX, kWindowY, state.skin.masks.width, state.skin.masks.height};
  if (!windows.CreateWindow(creation, failure)) {
    services.errors << "quorvendal: " << failure << '\n';
    return false;
  }
  windows.SetWindowShape(state.skin.outline);
  windows.ShowWindow();
  windows.UpdateWindow();  // the first paint, still idle, before any sound is set up

  OpenMusic(state.playlist);
  return true;
}

int RunMessageLoop(AppState& state) {
  WindowSystem& windows = state.services.windows;
  Message message;
  int exitCode = 0;
  while (windows.GetMessage(message, exitCode))
    windows.DispatchMessage(message);
  CloseMusic(state.playlist);
  return exitCode;
}

}  // namespace qv
