#include "core/position.h"

#include <cstdlib>
#include <utility>

namespace quarvel {

std::optional<Position> Position::FromCells(const Cells& cells) {
  unsigned seen = 0;
  for (const std::uint8_t tile : cells) {
    if (tile >= kTileCount || (seen & (1u << tile))) return std::nullopt;
    seen |= 1u << tile;
  }
  Position position;
  position.cells_ = cells;
  return position;
}

int Position::TileAt(int row, int column) const {
  if (row < 1 || row > kBoardSide || column < 1 || column > kBoardSide) return kBlank;
  return TileIn(CellAt(row, column));
}

int Position::CellOf(int tile) const {
  for (int cell = 0; cell < kCellCount; ++cell)
    if (TileIn(cell) == tile) return cell;
  return -1;  // not a tile
}

bool Position::IsSolvable() const {
  int inversions = 0;
  for (std::size_t i = 0; i < cells_.size(); ++i)
    for (std::size_t j = i + 1; j < cells_.size(); ++j)
      if (cells_[i] != kBlank && cells_[j] != kBlank && cells_[j] < cells_[i]) ++inversions;
  // A slide along a row changes neither the inversions nor the empty cell's row; a slide
  // along a column changes the inversions by an odd number and the row by one.
  const int blankRow = CellOf(kBlank) / kBoardSide;
  return (inversions + blankRow) % 2 == 1;
}

bool Position::Slide(int tile) {
  if (tile <= kBlank || tile >= kTileCount) return false;
  const int blank = CellOf(kBlank), at = CellOf(tile);
  const bool besideInRow = blank / kBoardSide == at / kBoardSide && std::abs(blank - at) == 1;
  const bool besideInColumn = std::abs(blank - at) == kBoardSide;
  if (!besideInRow && !besideInColumn) return false;
  Exchange(blank, at);
  return true;
}

void Position::Exchange(int cell, int other) {
  std::swap(cells_[static_cast<std::size_t>(cell)], cells_[static_cast<std::size_t>(other)]);
}

Position Position::Reflected() const {
  Position out;
  for (int cell = 0; cell < kCellCount; ++cell) {
    out.cells_[static_cast<std::size_t>(Transposed(cell))] = Tile(ReflectedTile(TileIn(cell)));
  }
  return out;
}

}  // namespace quarvel
