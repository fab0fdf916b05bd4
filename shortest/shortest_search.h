#pragma once
// The shortest solution of a position: iterative-deepening A* over single-tile moves,
// guided by an additive pattern-database estimate (the desktop's groups of 7, 7 and 1 tiles,
// or the page's two 6-6-3 splits), the largest of its values on the position and on its
// reflection about the main diagonal.
#include <atomic>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/position.h"
#include "shortest/pattern_database.h"

namespace quarvel::shortest {

struct ShortestSolution {
  std::vector<int> tiles;   // the tiles to slide into the empty cell, in order
  std::uint64_t nodes = 0;  // positions expanded by the search
};

// Thrown, before any search, for a position that cannot reach the goal.
struct Unsolvable : std::invalid_argument {
  Unsolvable() : std::invalid_argument("this position cannot be solved") {}
};

// Throws Unsolvable unless start.IsSolvable(). Returns nothing when `cancel` was set
// before the search ended. Maps or builds the pattern tables on first use.
std::optional<ShortestSolution> SolveShortest(const Position& start, const std::atomic<bool>* cancel = nullptr);

// The same over the tables given, of either kind, already there.
template <class Kind>
std::optional<ShortestSolution> SolveShortestWith(const PatternTablesOf<Kind>& tables, const Position& start,
                                                  const std::atomic<bool>* cancel = nullptr);

// "N: T1 T2 ... TN", the length and the tiles; "0:" for no move.
std::string SolutionText(const std::vector<int>& tiles);

// The search's estimate of the moves the position needs: never more than the true number.
int EstimateMoves(const Position& position);
template <class Kind>
int EstimateMovesWith(const PatternTablesOf<Kind>& tables, const Position& position);

}  // namespace quarvel::shortest
