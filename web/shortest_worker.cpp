// The shortest solutions behind the page's note, in a Web Worker of their own
// (shortest_worker.js) so that the page never waits for a search. The tables are the page's
// smaller kind, handed over in the program's memory; without good ones there is no answer.
#include <emscripten.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <span>

#include "shortest/shortest_search.h"
#include "shortest/tables_file.h"

namespace {

std::optional<quarvel::shortest::SmallPatternTables> tables;

}  // namespace

extern "C" {

// Takes the tables' file placed at `image` (which then stays for the worker's life) once its
// header and checksum are good; 1 when it is taken.
EMSCRIPTEN_KEEPALIVE int worker_use_tables(const std::uint8_t* image, std::size_t bytes) {
  using namespace quarvel::shortest;
  const std::span<const std::uint8_t> file(image, bytes);
  if (!CheckTablesImage<SmallTables>(file).empty()) return 0;
  tables.emplace(TablesOverImage<SmallTables>(file));
  return 1;
}

// The length of a shortest solution of the 16 cells in reading order (0 the empty cell),
// or -1 when there is none to give.
EMSCRIPTEN_KEEPALIVE int worker_shortest_length(const std::uint8_t* cells) {
  if (!tables) return -1;
  quarvel::Position::Cells given{};
  std::copy(cells, cells + quarvel::kCellCount, given.begin());
  const auto start = quarvel::Position::FromCells(given);
  if (!start || !start->IsSolvable()) return -1;
  try {
    const auto solution = quarvel::shortest::SolveShortestWith(*tables, *start);
    return solution ? static_cast<int>(solution->tiles.size()) : -1;
  } catch (const std::exception&) {
    return -1;
  }
}

}  // extern "C"

int main() { return 0; }
