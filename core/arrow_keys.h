#pragma once
// Keyboard play: an arrow key names the tile that slides into the empty cell in the
// arrow's direction. The move itself is an ordinary click of that tile.
#include "core/position.h"

namespace quarvel {

enum class ArrowKey { Up, Down, Left, Right };

// The tile next to the empty cell on the side the arrow points away from: Up names the
// tile below the empty cell, Left the tile to its right. 0 (the blank) when the empty
// cell lies on that edge of the board and no tile can slide that way.
int TileForArrow(const Position& position, ArrowKey key);

}  // namespace quarvel
