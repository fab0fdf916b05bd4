#include "core/tile_moves.h"

#include "core/game_completion.h"
#include "core/tile_placement.h"

namespace quarvel {

void ClickTile(GameState& state, Services& services, int tile) {
  if (!state.GameInProgress) return;
  state.solver.CancelManoeuvre();
  if (MoveTile(state.board, tile)) ++state.MovesMade;
  if (IsSolved(state.board.table, state.home)) CompleteGame(state, services);
}

}  // namespace quarvel
