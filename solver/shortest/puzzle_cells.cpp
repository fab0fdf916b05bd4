#include "solver/shortest/puzzle_cells.h"

#include <cstdlib>

namespace quarvel::shortest {
namespace {

int Transposed(int cell) { return (cell % 4) * 4 + cell / 4; }

}  // namespace

Cells GoalCells() {
  Cells cells{};
  for (int c = 0; c < 15; ++c) cells[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c + 1);
  cells[15] = 0;
  return cells;
}

bool IsPermutation(const Cells& cells) {
  unsigned seen = 0;
  for (std::uint8_t v : cells) {
    if (v >= kCells || (seen & (1u << v))) return false;
    seen |= 1u << v;
  }
  return true;
}

bool IsSolvable(const Cells& cells) {
  if (!IsPermutation(cells)) return false;
  int inversions = 0;
  int blankRow = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] == 0) {
      blankRow = static_cast<int>(i / 4);
      continue;
    }
    for (std::size_t j = i + 1; j < cells.size(); ++j)
      if (cells[j] != 0 && cells[j] < cells[i]) ++inversions;
  }
  // A vertical move changes the inversions by an odd number and the blank's row by one;
  // a horizontal move changes neither.
  return (inversions + 3 - blankRow) % 2 == 0;
}

Cells Reflected(const Cells& cells) {
  Cells out{};
  for (int c = 0; c < kCells; ++c) {
    const int tile = cells[static_cast<std::size_t>(c)];
    const int renamed = tile == 0 ? 0 : Transposed(tile - 1) + 1;
    out[static_cast<std::size_t>(Transposed(c))] = static_cast<std::uint8_t>(renamed);
  }
  return out;
}

bool SlideTile(Cells& cells, int tile) {
  if (tile < 1 || tile > 15) return false;
  int blank = -1, at = -1;
  for (int c = 0; c < kCells; ++c) {
    if (cells[static_cast<std::size_t>(c)] == 0) blank = c;
    if (cells[static_cast<std::size_t>(c)] == tile) at = c;
  }
  if (blank < 0 || at < 0) return false;
  const bool besideInRow = blank / 4 == at / 4 && std::abs(blank - at) == 1;
  const bool besideInColumn = std::abs(blank - at) == 4;
  if (!besideInRow && !besideInColumn) return false;
  cells[static_cast<std::size_t>(blank)] = static_cast<std::uint8_t>(tile);
  cells[static_cast<std::size_t>(at)] = 0;
  return true;
}

}  // namespace quarvel::shortest
