#include "solver/shortest/shortest_search.h"

#include <algorithm>
#include <array>

#include "solver/shortest/pattern_database.h"

namespace quarvel::shortest {
namespace {

constexpr int Transposed(int cell) { return (cell % 4) * 4 + cell / 4; }
constexpr int ReflectedTile(int tile) { return tile == 0 ? 0 : Transposed(tile - 1) + 1; }

// For every tile, its group and its place in the group.
struct Membership {
  std::array<std::uint8_t, 16> group{};
  std::array<std::uint8_t, 16> slot{};
};
constexpr Membership kMembership = [] {
  Membership m{};
  for (std::size_t g = 0; g < kGroups.size(); ++g)
    for (int i = 0; i < kGroupSizes[g]; ++i) {
      const std::uint8_t tile = kGroups[g][static_cast<std::size_t>(i)];
      m.group[tile] = static_cast<std::uint8_t>(g);
      m.slot[tile] = static_cast<std::uint8_t>(i);
    }
  return m;
}();

// The empty cell's neighbours, ending with 16.
constexpr std::array<std::array<std::uint8_t, 5>, 16> kNeighbours = [] {
  std::array<std::array<std::uint8_t, 5>, 16> n{};
  for (int c = 0; c < 16; ++c) {
    std::size_t k = 0;
    const auto cell = static_cast<std::size_t>(c);
    if (c >= 4) n[cell][k++] = static_cast<std::uint8_t>(c - 4);
    if (c % 4 != 0) n[cell][k++] = static_cast<std::uint8_t>(c - 1);
    if (c % 4 != 3) n[cell][k++] = static_cast<std::uint8_t>(c + 1);
    if (c < 12) n[cell][k++] = static_cast<std::uint8_t>(c + 4);
    while (k < 5) n[cell][k++] = 16;
  }
  return n;
}();

// Where each group's tiles stand, on the position (side 0) and on its reflection (side 1),
// with each group's distance; the estimate is the larger of the two sides' sums.
struct Estimate {
  std::array<std::array<std::array<std::uint8_t, kMaxGroupTiles>, 3>, 2> cells{};
  std::array<std::array<std::uint8_t, 3>, 2> distance{};
  std::array<int, 2> sum{};

  int Value() const { return std::max(sum[0], sum[1]); }

  // Tile now at `cell`: updates its group on both sides and returns the new estimate.
  void Place(const PatternTables& tables, int tile, int cell) {
    Set(tables, 0, tile, cell);
    Set(tables, 1, ReflectedTile(tile), Transposed(cell));
  }

  void Set(const PatternTables& tables, std::size_t side, int tile, int cell) {
    const std::size_t g = kMembership.group[static_cast<std::size_t>(tile)];
    auto& group = cells[side][g];
    group[kMembership.slot[static_cast<std::size_t>(tile)]] = static_cast<std::uint8_t>(cell);
    const std::uint8_t d = tables.groups[g].Distance(RankCells(group.data(), kGroupSizes[g]));
    sum[side] += d - distance[side][g];
    distance[side][g] = d;
  }

  void Recompute(const PatternTables& tables) {
    for (std::size_t side = 0; side < 2; ++side) {
      sum[side] = 0;
      for (std::size_t g = 0; g < 3; ++g) {
        distance[side][g] = tables.groups[g].Distance(RankCells(cells[side][g].data(), kGroupSizes[g]));
        sum[side] += distance[side][g];
      }
    }
  }
};

Estimate EstimateOf(const PatternTables& tables, const Cells& position) {
  Estimate e;
  for (int c = 0; c < kCells; ++c) {
    const int tile = position[static_cast<std::size_t>(c)];
    if (tile == 0) continue;
    e.cells[0][kMembership.group[static_cast<std::size_t>(tile)]][kMembership.slot[static_cast<std::size_t>(tile)]] =
        static_cast<std::uint8_t>(c);
    const int reflected = ReflectedTile(tile);
    e.cells[1][kMembership.group[static_cast<std::size_t>(reflected)]]
           [kMembership.slot[static_cast<std::size_t>(reflected)]] = static_cast<std::uint8_t>(Transposed(c));
  }
  e.Recompute(tables);
  return e;
}

class Search {
 public:
  Search(const PatternTables& tables, const Cells& start, const std::atomic<bool>* cancel)
      : tables_(tables), cells_(start), cancel_(cancel), estimate_(EstimateOf(tables, start)) {
    blank_ = static_cast<int>(std::find(cells_.begin(), cells_.end(), 0) - cells_.begin());
  }

  std::optional<ShortestSolution> Run() {
    int bound = estimate_.Value();
    for (;;) {
      nextBound_ = kInfinity;
      const Outcome outcome = Depth(0, bound, 16);
      if (outcome == Outcome::Cancelled) return std::nullopt;
      if (outcome == Outcome::Found) {
        ShortestSolution solution;
        solution.tiles.assign(path_.begin(), path_.begin() + bound);
        solution.nodes = nodes_;
        return solution;
      }
      bound = nextBound_;
    }
  }

 private:
  enum class Outcome { Found, NotFound, Cancelled };
  static constexpr int kInfinity = 1 << 20;
  static constexpr int kMaxMoves = 96;  // every position is solved in 80

  // Searches below the current position, `moves` made, the empty cell having come from
  // `previous` (16 at the start).
  Outcome Depth(int moves, int bound, int previous) {
    ++nodes_;
    if ((nodes_ & 0xFFF) == 0 && cancel_ && cancel_->load(std::memory_order_relaxed)) return Outcome::Cancelled;
    if (estimate_.Value() == 0) return Outcome::Found;
    const int blank = blank_;
    for (const std::uint8_t next : kNeighbours[static_cast<std::size_t>(blank)]) {
      if (next == 16) break;
      if (next == previous) continue;  // never undo the last move
      const int tile = cells_[next];
      const Estimate saved = estimate_;
      estimate_.Place(tables_, tile, blank);
      const int f = moves + 1 + estimate_.Value();
      if (f > bound) {
        nextBound_ = std::min(nextBound_, f);
        estimate_ = saved;
        continue;
      }
      cells_[static_cast<std::size_t>(blank)] = static_cast<std::uint8_t>(tile);
      cells_[next] = 0;
      blank_ = next;
      path_[static_cast<std::size_t>(moves)] = tile;
      const Outcome outcome = Depth(moves + 1, bound, blank);
      if (outcome != Outcome::NotFound) return outcome;
      blank_ = blank;
      cells_[next] = static_cast<std::uint8_t>(tile);
      cells_[static_cast<std::size_t>(blank)] = 0;
      estimate_ = saved;
    }
    return Outcome::NotFound;
  }

  const PatternTables& tables_;
  Cells cells_;
  const std::atomic<bool>* cancel_;
  Estimate estimate_;
  int blank_ = 15;
  int nextBound_ = kInfinity;
  std::uint64_t nodes_ = 0;
  std::array<int, kMaxMoves> path_{};
};

}  // namespace

std::optional<ShortestSolution> SolveShortest(const Cells& start, const std::atomic<bool>* cancel) {
  if (start == GoalCells()) return ShortestSolution{};  // no tables needed
  const PatternTables* tables = TablesUnlessCancelled(cancel);
  if (!tables) return std::nullopt;
  return Search(*tables, start, cancel).Run();
}

std::string SolutionText(const std::vector<int>& tiles) {
  std::string text = std::to_string(tiles.size()) + ":";
  for (const int tile : tiles) text.append(" ").append(std::to_string(tile));
  return text;
}

int EstimateMoves(const Cells& cells) { return EstimateOf(Tables(), cells).Value(); }

}  // namespace quarvel::shortest
