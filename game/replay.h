#pragma once
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Click of "Replay Last Game": restarts the game whose number the game number box shows.
// A text that is not a game number is refused with an "Error!" box and changes nothing.
void ReplayLastGame(GameState& state, Services& services);

}  // namespace quarvel
