#include "core/arrow_keys.h"

namespace quarvel {

int TileForArrow(const Position& position, ArrowKey key) {
  const CellPos empty = position.PlaceOf(kBlank);
  int row = empty.Row;
  int column = empty.Column;
  switch (key) {
    case ArrowKey::Up: ++row; break;
    case ArrowKey::Down: --row; break;
    case ArrowKey::Left: ++column; break;
    case ArrowKey::Right: --column; break;
  }
  return position.TileAt(row, column);  // the blank's 0 off the board
}

}  // namespace quarvel
