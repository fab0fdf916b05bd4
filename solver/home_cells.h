#pragma once
// Where the solver brings each tile: tile n's home is cell n, computed from its number.
#include "core/board.h"

namespace quarvel {

// Home cell of tile 1..15, computed from its number.
CellPos HomeCellOf(int tile);

// Whether tile 1..15 stands in its home cell.
bool IsHome(const Position& position, int tile);

// The first of tiles 1..15 not in its home cell; 0 when all are home.
int FirstMisplacedTile(const Position& position);

}  // namespace quarvel
