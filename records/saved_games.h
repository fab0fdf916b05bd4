#pragma once
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Click of "Save Game #": stores the number of the game on the board in saved.dat.
void SaveGame(GameState& state, Services& services);

}  // namespace quarvel
