#pragma once

#include <cstdint>

#include "app/app_state.h"
#include "platform/message.h"

namespace qv {

inline constexpr int kTimerPeriodMs = 50;

// The player window's procedure: every message of the running program comes through here.
// Handled messages answer 0; the rest get the window system's default processing.
intptr_t MainWindowProc(AppState& state, const Message& message);

}  // namespace qv
