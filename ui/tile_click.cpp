#include "ui/tile_click.h"

#include "core/board.h"
#include "ui/game_completion.h"

namespace quarvel {

void SlideClickedTile(ProgramState& state, MainWindowState& window, Services& services, int tile) {
  SolverGame& game = state.game;
  if (!game.GameInProgress) return;
  game.solver.CancelManoeuvre();
  if (MoveTile(game.board, tile)) ++game.movesMade;
  if (IsSolved(game.board.position, game.home)) CompleteGame(state, window, services);
}

}  // namespace quarvel
