#pragma once
// The solver's ordinary move: brings the target tile one cell nearer home, first
// sideways to its home column, then up, walking the blank around it beforehand.
#include <cstdint>
#include <optional>

#include "solver/solver_state.h"

namespace quarvel {

// One press for target tile 1..15 (all lower tiles home): moves the target when the blank
// stands in the cell it is to enter, else makes one blank move of the approach. When the
// approach finds no permitted move, nothing moves and the result is the value of
// `SolverStep` the ring procedure is to take the press with.
std::optional<std::int16_t> HomeTileStep(SolverGame& state, int target);

// Makes one blank move from (blankRow, blankColumn) toward (targetRow, targetColumn),
// never moving a tile numbered `bound` or lower nor reversing the last move (one
// exception: stepping right out of column 1 from below the target). Returns whether the
// blank moved.
bool StepBlankToward(SolverGame& state, int blankRow, int blankColumn, int targetRow, int targetColumn, int bound);

}  // namespace quarvel
