#include "game/start_position.h"

namespace quarvel {

void MakeSolvable(Position& position) {
  if (position.IsSolvable()) return;
  if (position.CellOf(kBlank) >= 14)
    position.Exchange(12, 13);
  else
    position.Exchange(14, 15);
}

void LayOutBoard(Board& board, const Position& position) {
  board.position = position;
  board.drawnInOrderBlankAt.reset();
}

void BeginGame(GameState& state, Services& services) {
  state.GameInProgress = true;
  ++state.gamesBegun;
  state.startPosition = state.board.position;
  state.movesMade = 0;
  state.wonByPlayer = false;
  services.windows.SetPointer(PointerShape::Default);
  state.startMonotonicMs = services.clock.MonotonicMs();
  state.StartTime = services.clock.Now();
}

}  // namespace quarvel
