#include "ui/tile_click.h"

#include "core/board.h"
#include "ui/game_completion.h"

namespace quarvel {

void SlideClickedTile(ProgramState& state, MainWindowState& window, Services& services, int tile) {
  if (!state.GameInProgress) return;
  state.solver.CancelManoeuvre();
  if (MoveTile(state.board, tile)) ++state.movesMade;
  if (IsSolved(state.board.position, state.home)) CompleteGame(state, window, services);
}

}  // namespace quarvel
