#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press.
#include "core/game_state.h"
#include "core/platform.h"
#include "ui/window_state.h"

namespace quarvel {

// Click of "Show Me!": one press of the solver, then the solved test when the press asks
// for it.
void ShowMe(GameState& state, MainWindowState& window, Services& services);

// Ends the game when a solver move has left the board solved; otherwise does nothing.
void CheckSolverFinish(GameState& state, MainWindowState& window, Services& services);

}  // namespace quarvel
