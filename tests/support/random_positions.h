#pragma once
// Random solvable positions for the shortest-solution tests and benchmark.
#include <algorithm>
#include <random>

#include "core/position.h"

namespace quarvel::testing {

// A position drawn uniformly among the solvable ones.
inline Position RandomSolvable(std::mt19937_64& rng) {
  Position position;
  do {
    Position::Cells cells = Position().cells();
    std::shuffle(cells.begin(), cells.end(), rng);
    position = *Position::FromCells(cells);
  } while (!position.IsSolvable());
  return position;
}

}  // namespace quarvel::testing
