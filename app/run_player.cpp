#include "app/run_player.h"

#include "app/app_state.h"
#include "app/start_up.h"

namespace qv {

int RunPlayer(PlayerServices& services) {
  AppState state(services);
  if (!StartUp(state)) return 1;
  return RunMessageLoop(state);
}

}  // namespace qv
