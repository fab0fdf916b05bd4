#include "solver/solver_driver.h"

namespace quarvel {

void ShowMe(GameState& state, Services&) {
  state.SolverUsed = true;
  state.Text3.clear();
}

}  // namespace quarvel
