#pragma once
// The board table as the shortest-solution search's cells.
#include "core/board.h"
#include "solver/shortest/puzzle_cells.h"

namespace quarvel::shortest {

// The tile in each cell of the board, 0 for the blank. Cells that no entry names stay 0
// (a table that is not a layout gives no permutation).
inline Cells CellsOf(const BoardTable& table) {
  Cells cells{};
  for (std::size_t tile = 0; tile < table.size(); ++tile) {
    const int row = table[tile].Row, column = table[tile].Column;
    if (row >= 1 && row <= 4 && column >= 1 && column <= 4)
      cells[static_cast<std::size_t>((row - 1) * 4 + column - 1)] = static_cast<std::uint8_t>(tile);
  }
  return cells;
}

}  // namespace quarvel::shortest
