// The shortest solutions behind the page's note, in a Web Worker of their own
// (shortest_worker.js) so that the page never waits for a search. The tables come only
// from the tables' file the worker was given; without a good one there is no answer.
#include <emscripten.h>

#include <algorithm>
#include <exception>

#include "shortest/shortest_search.h"
#include "shortest/tables_file.h"

extern "C" {

// Whether the tables' file (QUARVEL_SHORTEST_TABLES) is good; looked at once.
EMSCRIPTEN_KEEPALIVE int worker_tables_ready() { return quarvel::shortest::UsedTablesFile().problem.empty() ? 1 : 0; }

// The length of a shortest solution of the 16 cells in reading order (0 the empty cell),
// or -1 when there is none to give.
EMSCRIPTEN_KEEPALIVE int worker_shortest_length(const std::uint8_t* cells) {
  if (worker_tables_ready() == 0) return -1;
  quarvel::Position::Cells given{};
  std::copy(cells, cells + quarvel::kCellCount, given.begin());
  const auto start = quarvel::Position::FromCells(given);
  if (!start || !start->IsSolvable()) return -1;
  try {
    const auto solution = quarvel::shortest::SolveShortest(*start);
    return solution ? static_cast<int>(solution->tiles.size()) : -1;
  } catch (const std::exception&) {
    return -1;
  }
}

}  // extern "C"

int main() { return 0; }
