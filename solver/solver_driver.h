#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press. The
// driver chooses the target tile and hands the press to the homing step, the row-end
// rotation or the ring procedure.
#include "core/board.h"
#include "solver/solver_state.h"

namespace quarvel {

// The move of one "Show Me!" press. Returns whether the press ran the homing step or the
// ring procedure, the rules whose moves may leave the board solved.
bool MakeSolverMove(SolverGame& state);

}  // namespace quarvel
