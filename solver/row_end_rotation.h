#pragma once
// The 12-move rotation that seats tile 4, 8 or 12 when it stands directly below its home
// cell with the blank to its left: the row's three placed tiles step aside, the tile goes
// up, and the three come back.
#include "solver/solver_state.h"

namespace quarvel {

// One move of the rotation for tile 4, 8 or 12; `SolverStep` counts the moves made.
void RowEndStep(SolverGame& state, int tile);

}  // namespace quarvel
