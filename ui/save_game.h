#pragma once
#include "core/game_state.h"
#include "core/platform.h"
#include "ui/window_state.h"

namespace quarvel {

// Click of "Save Game #": stores the number of the game on the board in saved.dat.
void SaveGame(const GameState& state, MainWindowState& window, Services& services);

}  // namespace quarvel
