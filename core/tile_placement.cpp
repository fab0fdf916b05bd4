#include "core/tile_placement.h"

#include <cstdlib>

namespace quarvel {

TwipsPoint CellOrigin(int row, int column) {
  return {BoardLeft + CellSize * (column - 1), BoardTop + CellSize * (row - 1)};
}

std::array<TwipsPoint, kTileCount> Board::HomeButtons() {
  std::array<TwipsPoint, kTileCount> buttons{};
  const BoardTable home = SolvedLayout();
  for (std::size_t tile = 0; tile < kTileCount; ++tile) buttons[tile] = CellOrigin(home[tile].Row, home[tile].Column);
  return buttons;
}

void PlaceTile(Board& board, int tile, int row, int column) {
  const auto index = static_cast<std::size_t>(tile);
  board.buttons[index] = CellOrigin(row, column);
  board.table[index] = {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

bool MoveTile(Board& board, int tile) {
  if (tile < 0 || tile >= kTileCount) return false;
  const auto index = static_cast<std::size_t>(tile);
  const CellPos blank = board.table[kBlank];
  const CellPos cell = board.table[index];
  const bool sameRow = cell.Row == blank.Row && std::abs(cell.Column - blank.Column) == 1;
  const bool sameColumn = cell.Column == blank.Column && std::abs(cell.Row - blank.Row) == 1;
  if (!sameRow && !sameColumn) return false;  // also the blank itself

  // Exchange the two buttons' current coordinates and the two table entries.
  const TwipsPoint blankButton = board.buttons[kBlank];
  board.buttons[kBlank] = board.buttons[index];
  board.buttons[index] = blankButton;
  board.table[index] = blank;
  board.table[kBlank] = cell;
  return true;
}

}  // namespace quarvel
