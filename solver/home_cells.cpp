#include "solver/home_cells.h"

namespace quarvel {

CellPos HomeCellOf(int tile) { return CellOf(tile); }

bool IsHome(const BoardTable& table, int tile) { return table[static_cast<std::size_t>(tile)] == HomeCellOf(tile); }

int FirstMisplacedTile(const BoardTable& table) {
  for (int tile = 1; tile <= 15; ++tile)
    if (!IsHome(table, tile)) return tile;
  return 0;
}

}  // namespace quarvel
