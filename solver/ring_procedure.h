#pragma once
// The ring procedure that finishes rows 3 and 4: the blank travels round the ring of
// eight cells those rows form, lifting a tile into row 3, bringing tile 9 home, reordering
// three tiles in the bottom right 2 x 2 block when needed, and turning until solved.
#include "core/board.h"
#include "solver/solver_state.h"

namespace quarvel {

// The tile a ring step hands to the move, chosen by the blank's cell; a blank row other
// than 3 counts as row 4. Clockwise: the blank goes right along row 3 and left along row 4.
int ClockwiseRingTile(const Position& position);
int CounterClockwiseRingTile(const Position& position);

// One press of the procedure for tile `a`; `SolverStep` holds the phase last run, so the
// press runs phase `SolverStep` + 1 and leaves it there (advance) or one lower (repeat).
void RingStep(SolverGame& state, int a);

}  // namespace quarvel
