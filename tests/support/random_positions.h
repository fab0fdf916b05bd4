#pragma once
// Random solvable positions for the shortest-solution tests and benchmark.
#include <algorithm>
#include <random>

#include "solver/shortest/puzzle_cells.h"

namespace quarvel::testing {

// A position drawn uniformly among the solvable ones.
inline shortest::Cells RandomSolvable(std::mt19937_64& rng) {
  shortest::Cells cells;
  do {
    cells = shortest::GoalCells();
    std::shuffle(cells.begin(), cells.end(), rng);
  } while (!shortest::IsSolvable(cells));
  return cells;
}

}  // namespace quarvel::testing
