#pragma once
// A position as the shortest-solution search sees it: the tile in each cell.
#include <array>
#include <cstdint>

namespace quarvel::shortest {

// Cells 0..15 in reading order (cell c in row c / 4, column c % 4, both from 0); each
// holds its tile 1..15 or 0 for the empty cell. The goal holds tile c + 1 in cell c and
// the empty cell in cell 15.
using Cells = std::array<std::uint8_t, 16>;

inline constexpr int kCells = 16;

Cells GoalCells();

// Every value 0..15 exactly once.
bool IsPermutation(const Cells& cells);

// A permutation from which the goal can be reached.
bool IsSolvable(const Cells& cells);

// The same position reflected about the main diagonal, tiles renamed accordingly; it lies
// as far from the goal as the original.
Cells Reflected(const Cells& cells);

// Slides the tile into the empty cell when it is the empty cell's neighbour; returns
// whether it moved.
bool SlideTile(Cells& cells, int tile);

}  // namespace quarvel::shortest
