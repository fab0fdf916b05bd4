#include "core/board.h"

namespace quarvel {

CellPos CellOf(int n) {
  return {static_cast<std::int16_t>((n - 1) / kBoardSide + 1), static_cast<std::int16_t>((n - 1) % kBoardSide + 1)};
}

BoardTable SolvedLayout() {
  BoardTable table{};
  for (int tile = 1; tile < kTileCount; ++tile) table[static_cast<std::size_t>(tile)] = CellOf(tile);
  table[kBlank] = CellOf(kCellCount);
  return table;
}

bool IsSolved(const BoardTable& board, const BoardTable& home) { return board == home; }

int TileAt(const BoardTable& board, int row, int column) {
  for (int tile = 1; tile < kTileCount; ++tile) {
    const CellPos& cell = board[static_cast<std::size_t>(tile)];
    if (cell.Row == row && cell.Column == column) return tile;
  }
  return kBlank;
}

}  // namespace quarvel
