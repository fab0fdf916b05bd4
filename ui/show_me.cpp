#include "ui/show_me.h"

#include "game/give_up.h"
#include "solver/solver_driver.h"
#include "ui/game_completion.h"

namespace quarvel {

void ShowMe(SolverGame& state, MainWindowState& window, Services& services) {
  state.SolverUsed = true;
  window.clockText.clear();
  if (MakeSolverMove(state)) CheckSolverFinish(state, window, services);
}

void CheckSolverFinish(SolverGame& state, MainWindowState& window, Services& services) {
  if (IsSolved(state.board.position, state.home)) EndAssistedGame(state, window, services);
}

void GiveUpGame(SolverGame& state) {
  GiveUp(state);
  state.solver.CancelManoeuvre();
}

}  // namespace quarvel
