// The shortest solutions behind the page's note, in a Web Worker of their own
// (shortest_worker.js) so that the page never waits for a search. The tables are the page's
// smaller kind, handed over in the program's memory as they were downloaded (gzip) and
// inflated there; without good ones there is no answer.
#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <span>

#include "shortest/gunzip.h"
#include "shortest/shortest_search.h"
#include "shortest/tables_file.h"

namespace {

using Bytes = std::unique_ptr<std::uint8_t, decltype(&std::free)>;
Bytes image(nullptr, &std::free);  // the tables' file the tables stand in
std::optional<quarvel::shortest::SmallPatternTables> tables;

}  // namespace

extern "C" {

// Takes the tables' file the script placed at `given` (malloc'd; this call frees it or
// keeps it), compressed with gzip or not, once it decompresses and its header and checksum
// are good; 1 when it is taken.
EMSCRIPTEN_KEEPALIVE int worker_take_tables(std::uint8_t* given, std::size_t bytes) {
  using namespace quarvel::shortest;
  Bytes file(given, &std::free);
  std::size_t size = bytes;
  if (IsGzip({given, bytes})) {
    const auto unpacked = GunzippedSize({given, bytes});
    Bytes into(static_cast<std::uint8_t*>(unpacked ? std::malloc(*unpacked) : nullptr), &std::free);
    if (!into || !Gunzip({given, bytes}, {into.get(), *unpacked}).empty()) return 0;
    file = std::move(into);
    size = *unpacked;
  }
  if (!CheckTablesImage<SmallTables>({file.get(), size}).empty()) return 0;
  image = std::move(file);
  tables.emplace(TablesOverImage<SmallTables>({image.get(), size}));
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
