#pragma once
// The board's tile buttons in twips, and the two operations that move them.
#include <array>

#include "core/board.h"

namespace quarvel {

inline constexpr int BoardLeft = 1812;
inline constexpr int BoardTop = 3072;
inline constexpr int CellSize = 600;

struct TwipsPoint {
  int Left = 0;
  int Top = 0;
  friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// Where the cell at (row, column) is drawn.
TwipsPoint CellOrigin(int row, int column);

// The board as the program holds it: the table and the 16 tile buttons' positions.
struct Board {
  BoardTable table = SolvedLayout();
  std::array<TwipsPoint, kTileCount> buttons = HomeButtons();

  static std::array<TwipsPoint, kTileCount> HomeButtons();
};

// Puts a tile's button on a cell and records the cell in the table.
void PlaceTile(Board& board, int tile, int row, int column);

// Slides a tile into the empty cell when it is the blank's direct neighbour; otherwise
// changes nothing. Returns whether the tile moved.
bool MoveTile(Board& board, int tile);

}  // namespace quarvel
