#pragma once
// The state the handlers of all three windows share: the game with the solver's manoeuvre
// (solver/), and the Hall of Fame's summary (records/).
#include "records/hall_of_fame.h"
#include "solver/solver_state.h"

namespace quarvel {

struct ProgramState {
  SolverGame game;
  FameSummary fame;
};

}  // namespace quarvel
