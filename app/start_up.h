#pragma once

#include "app/app_state.h"

namespace qv {

// Start-up, up to the message loop: strings, window class, skin, window, outline, the first
// paint, then the music. False when the player cannot start; the reason is already told.
bool StartUp(AppState& state);

// The message loop until the quit message, then the music is closed. Returns the quit code.
int RunMessageLoop(AppState& state);

}  // namespace qv
