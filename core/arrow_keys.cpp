#include "core/arrow_keys.h"

namespace quarvel {

int TileForArrow(const BoardTable& board, ArrowKey key) {
  const CellPos empty = board[kBlank];
  int row = empty.Row;
  int column = empty.Column;
  switch (key) {
    case ArrowKey::Up: ++row; break;
    case ArrowKey::Down: --row; break;
    case ArrowKey::Left: ++column; break;
    case ArrowKey::Right: --column; break;
  }
  if (row < 1 || row > kBoardSide || column < 1 || column > kBoardSide) return kBlank;
  return TileAt(board, row, column);
}

}  // namespace quarvel
