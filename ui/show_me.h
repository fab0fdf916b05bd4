#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press.
#include "core/platform.h"
#include "solver/solver_state.h"
#include "ui/window_state.h"

namespace quarvel {

// Click of "Show Me!": one press of the solver, then the solved test when the press asks
// for it.
void ShowMe(SolverGame& state, MainWindowState& window, Services& services);

// Ends the game when a solver move has left the board solved; otherwise does nothing.
void CheckSolverFinish(SolverGame& state, MainWindowState& window, Services& services);

// Give Up: the game abandoned and the solver's manoeuvre cleared (its step and tile kept).
void GiveUpGame(SolverGame& state);

}  // namespace quarvel
