#include "ui/show_me.h"

#include "solver/solver_driver.h"
#include "ui/game_completion.h"

namespace quarvel {

void ShowMe(GameState& state, MainWindowState& window, Services& services) {
  state.SolverUsed = true;
  window.Text3.clear();
  if (MakeSolverMove(state)) CheckSolverFinish(state, window, services);
}

void CheckSolverFinish(GameState& state, MainWindowState& window, Services& services) {
  if (IsSolved(state.board.table, state.home)) EndAssistedGame(state, window, services);
}

}  // namespace quarvel
