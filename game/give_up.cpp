#include "game/give_up.h"

#include "core/tile_placement.h"

namespace quarvel {

void GiveUp(GameState& state) {
  state.GameInProgress = false;
  state.SolverUsed = false;

  state.board.table = state.home;  // held in memory since start-up
  // Tiles 1..15 in reading order; the invisible blank stays where it was.
  for (int tile = 1; tile <= 15; ++tile) {
    const CellPos cell = CellOf(tile);
    state.board.buttons[static_cast<std::size_t>(tile)] = CellOrigin(cell.Row, cell.Column);
  }
}

}  // namespace quarvel
