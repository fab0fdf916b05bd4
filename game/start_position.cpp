#include "game/start_position.h"

#include "core/tile_placement.h"

namespace quarvel {

StartPosition SolvedStartPosition() {
  StartPosition position{};
  for (std::size_t cell = 0; cell < position.size(); ++cell) position[cell] = static_cast<std::int16_t>(cell + 1);
  return position;
}

void MakeSolvable(StartPosition& position) {
  int inversions = 0;
  for (std::size_t j = 0; j < position.size(); ++j)
    for (std::size_t k = j + 1; k < position.size(); ++k)
      if (position[j] > position[k]) ++inversions;

  int blankCell = 16;
  for (int cell = 1; cell <= 15; ++cell)
    if (position[static_cast<std::size_t>(cell - 1)] == kBlankValue) {
      blankCell = cell;
      break;
    }

  int folded = blankCell;
  if (folded > 8) folded -= 8;
  if (folded == 6 || folded == 8) folded -= 5;
  if (folded == 5 || folded == 7) folded -= 3;

  if (inversions % 2 != folded % 2) return;  // solvable as it stands
  if (blankCell == 15 || blankCell == 16)
    std::swap(position[12], position[13]);  // cells 13 and 14
  else
    std::swap(position[14], position[15]);  // cells 15 and 16
}

void LayOutBoard(Board& board, const StartPosition& position) {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int value = position[static_cast<std::size_t>(cell - 1)];
    const int tile = value <= 15 ? value : kBlank;
    const CellPos at = CellOf(cell);
    PlaceTile(board, tile, at.Row, at.Column);
  }
}

void BeginGame(GameState& state, Services& services) {
  state.GameInProgress = true;
  ++state.GamesBegun;
  state.StartTable = state.board.table;
  state.MovesMade = 0;
  state.WonByPlayer = false;
  services.windows.SetPointer(PointerShape::Default);
  state.StartMonotonicMs = services.clock.MonotonicMs();
}

}  // namespace quarvel
