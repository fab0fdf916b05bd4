#include "game/give_up.h"

namespace quarvel {

void GiveUp(GameState& state) {
  state.GameInProgress = false;
  state.SolverUsed = false;

  // The buttons show tiles 1..15 in reading order; the invisible blank's stays where it
  // was. The position is the home layout, held in memory since start-up.
  state.board.drawnInOrderBlankAt = ButtonCell(state.board, kBlank);
  state.board.position = state.home;
}

}  // namespace quarvel
