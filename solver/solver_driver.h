#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press. The
// driver chooses the target tile and hands the press to the homing step, the row-end
// rotation or the ring procedure.
#include "core/board.h"
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Click of "Show Me!".
void ShowMe(GameState& state, Services& services);

// Ends the game when a solver move has left the board solved; otherwise does nothing.
void CheckSolverFinish(GameState& state, Services& services);

}  // namespace quarvel
