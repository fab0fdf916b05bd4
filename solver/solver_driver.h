#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press. The
// driver chooses the target tile and hands the press to the homing step, the row-end
// rotation or the ring procedure.
#include "core/board.h"
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// The move of one "Show Me!" press. Returns whether the press ran the homing step or the
// ring procedure, the rules whose moves may leave the board solved.
bool MakeSolverMove(GameState& state);

// Click of "Show Me!": one press, then the solved test when the press asks for it.
void ShowMe(GameState& state, Services& services);

// Ends the game when a solver move has left the board solved; otherwise does nothing.
void CheckSolverFinish(GameState& state, Services& services);

// Ends a game the solver helped with, whoever made the last move: no time, no Hall of
// Fame, the "Game Over!" notice.
void EndAssistedGame(GameState& state, Services& services);

}  // namespace quarvel
