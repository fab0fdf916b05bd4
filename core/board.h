#pragma once
// The board the main window shows: its position, and how its tile buttons stand.
#include <optional>

#include "core/position.h"

namespace quarvel {

struct Board {
  Position position;
  // Between games (from start-up, and after Give Up) the buttons show tiles 1..15 in
  // reading order, whatever the position, and the invisible blank's button stays on this
  // cell. Laying out a game clears it: from then on each button stands on its tile's cell.
  std::optional<int> drawnInOrderBlankAt = kCellCount - 1;
};

// The cell a tile's button stands on.
int ButtonCell(const Board& board, int tile);

// Slides a tile into the empty cell when it is the empty cell's direct neighbour;
// otherwise changes nothing. Returns whether the tile moved.
bool MoveTile(Board& board, int tile);

// True when the position is the home layout read from quarvel.dat.
bool IsSolved(const Position& position, const Position& home);

}  // namespace quarvel
