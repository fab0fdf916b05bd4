#include "core/board.h"

namespace quarvel {

int ButtonCell(const Board& board, int tile) {
  if (!board.drawnInOrderBlankAt) return board.position.CellOf(tile);
  return tile == kBlank ? *board.drawnInOrderBlankAt : tile - 1;
}

bool MoveTile(Board& board, int tile) {
  if (!board.position.Slide(tile)) return false;
  board.drawnInOrderBlankAt.reset();  // the buttons now follow the position
  return true;
}

bool IsSolved(const Position& position, const Position& home) { return position == home; }

}  // namespace quarvel
