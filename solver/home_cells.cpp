#include "solver/home_cells.h"

namespace quarvel {

CellPos HomeCellOf(int tile) { return PlaceOfCell(tile - 1); }

bool IsHome(const Position& position, int tile) { return position.PlaceOf(tile) == HomeCellOf(tile); }

int FirstMisplacedTile(const Position& position) {
  for (int tile = 1; tile <= 15; ++tile)
    if (!IsHome(position, tile)) return tile;
  return 0;
}

}  // namespace quarvel
