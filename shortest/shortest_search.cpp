#include "shortest/shortest_search.h"

#include <algorithm>
#include <array>

#include "shortest/used_tables.h"

namespace quarvel::shortest {
namespace {

using Cells = Position::Cells;

// A side is a split looked up on the position (even sides) or on its reflection (odd).
template <class Kind>
constexpr std::size_t kSides = 2 * Kind::kSplits.size();

// For every side and tile: the tile's part of the split, its place in the part's group,
// and the tile and cells as the side sees them.
struct Place {
  std::uint8_t part = 0;
  std::uint8_t slot = 0;
};
template <class Kind>
struct Sides {
  std::array<std::array<Place, 16>, kSides<Kind>> place{};
  std::array<std::array<std::uint8_t, 16>, 2> tile{};  // a tile's name on a plain or reflected side
  std::array<std::array<std::uint8_t, 16>, 2> cell{};  // a cell's place on a plain or reflected side
  // The weight of a cell's digit in a group's rank, by group size and slot.
  std::array<std::array<std::uint32_t, kMaxGroupTiles>, kMaxGroupTiles + 1> weight{};
};
template <class Kind>
constexpr Sides<Kind> kSideView = [] {
  Sides<Kind> v{};
  for (int t = 0; t < 16; ++t) {
    v.tile[0][static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(t);
    v.tile[1][static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(ReflectedTile(t));
    v.cell[0][static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(t);
    v.cell[1][static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(Transposed(t));
  }
  for (std::size_t side = 0; side < kSides<Kind>; ++side)
    for (std::size_t part = 0; part < 3; ++part) {
      const std::size_t g = Kind::kSplits[side / 2][part];
      for (int i = 0; i < Kind::kGroupSizes[g]; ++i)
        v.place[side][Kind::kGroups[g][static_cast<std::size_t>(i)]] = {static_cast<std::uint8_t>(part),
                                                                        static_cast<std::uint8_t>(i)};
    }
  for (int k = 1; k <= kMaxGroupTiles; ++k) {
    std::uint32_t w = 1;
    for (int i = k; i-- > 0;) {
      v.weight[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] = w;
      w *= static_cast<std::uint32_t>(16 - i);
    }
  }
  return v;
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

// Where each part's tiles stand on every side, with the rank of their placement, the sum of
// their Manhattan distances and the part's distance; the estimate is the largest of the
// sides' sums.
template <class Kind>
struct Estimate {
  static constexpr std::size_t kSideCount = kSides<Kind>;
  static constexpr const Sides<Kind>& kView = kSideView<Kind>;
  std::array<std::array<std::array<std::uint8_t, kMaxGroupTiles>, 3>, kSideCount> cells{};
  std::array<std::array<std::uint32_t, 3>, kSideCount> rank{};
  std::array<std::array<std::uint8_t, 3>, kSideCount> manhattan{};
  std::array<std::array<std::uint8_t, 3>, kSideCount> distance{};
  std::array<int, kSideCount> sum{};

  int Value() const { return *std::max_element(sum.begin(), sum.end()); }

  // Tile now at `cell`, on one side: updates its group's Manhattan distances, the rank of
  // its placement (a move along the side's rows changes one digit by one) and its
  // distance; returns the side's sum.
  int Set(const PatternTablesOf<Kind>& tables, std::size_t side, int tile, int cell) {
    const std::size_t reflected = side & 1;
    const std::uint8_t t = kView.tile[reflected][static_cast<std::size_t>(tile)];
    const Place place = kView.place[side][t];
    const std::size_t g = Kind::kSplits[side / 2][place.part];
    const std::uint8_t to = kView.cell[reflected][static_cast<std::size_t>(cell)];
    auto& group = cells[side][place.part];
    const std::uint8_t from = group[place.slot];
    group[place.slot] = to;
    std::uint8_t& m = manhattan[side][place.part];
    m = static_cast<std::uint8_t>(m + kCellDistance[t - 1u][to] - kCellDistance[t - 1u][from]);
    int d = m;
    if (Kind::kTableOf[g] != kNoTable) {
      std::uint32_t& r = rank[side][place.part];
      const std::uint32_t weight = kView.weight[static_cast<std::size_t>(Kind::kGroupSizes[g])][place.slot];
      if (to == from + 1 || to + 1 == from)
        r = r + weight * to - weight * from;
      else
        r = RankCells(group.data(), Kind::kGroupSizes[g]);
      d += 2 * tables.groups[Kind::kTableOf[g]].HalfExcess(r);
    }
    sum[side] += d - distance[side][place.part];
    distance[side][place.part] = static_cast<std::uint8_t>(d);
    return sum[side];
  }

  void Recompute(const PatternTablesOf<Kind>& tables) {
    for (std::size_t side = 0; side < kSideCount; ++side) {
      sum[side] = 0;
      for (std::size_t part = 0; part < 3; ++part) {
        const std::size_t g = Kind::kSplits[side / 2][part];
        rank[side][part] = RankCells(cells[side][part].data(), Kind::kGroupSizes[g]);
        manhattan[side][part] = static_cast<std::uint8_t>(GroupManhattan<Kind>(g, cells[side][part].data()));
        distance[side][part] = static_cast<std::uint8_t>(tables.GroupDistance(g, cells[side][part].data()));
        sum[side] += distance[side][part];
      }
    }
  }
};

template <class Kind>
Estimate<Kind> EstimateOf(const PatternTablesOf<Kind>& tables, const Position& position) {
  Estimate<Kind> e;
  const auto& view = kSideView<Kind>;
  for (int c = 0; c < kCellCount; ++c) {
    const int tile = position.TileIn(c);
    if (tile == 0) continue;
    for (std::size_t side = 0; side < kSides<Kind>; ++side) {
      const std::size_t reflected = side & 1;
      const Place place = view.place[side][view.tile[reflected][static_cast<std::size_t>(tile)]];
      e.cells[side][place.part][place.slot] = view.cell[reflected][static_cast<std::size_t>(c)];
    }
  }
  e.Recompute(tables);
  return e;
}

template <class Kind>
class Search {
 public:
  Search(const PatternTablesOf<Kind>& tables, const Position& start, const std::atomic<bool>* cancel)
      : tables_(tables),
        cells_(start.cells()),
        cancel_(cancel),
        estimate_(EstimateOf(tables, start)),
        blank_(start.CellOf(kBlank)) {}

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
    // The side with the largest sum here is the likeliest to prune a child: asked first.
    const auto first =
        static_cast<std::size_t>(std::max_element(estimate_.sum.begin(), estimate_.sum.end()) - estimate_.sum.begin());
    for (const std::uint8_t next : kNeighbours[static_cast<std::size_t>(blank)]) {
      if (next == 16) break;
      if (next == previous) continue;  // never undo the last move
      const int tile = cells_[next];
      const Estimate<Kind> saved = estimate_;
      // The sides one by one: the first whose sum prunes spares the look-ups of the rest.
      bool pruned = false;
      for (std::size_t k = 0; k < kSides<Kind> && !pruned; ++k) {
        const std::size_t side = (first + k) % kSides<Kind>;
        const int f = moves + 1 + estimate_.Set(tables_, side, tile, blank);
        if (f > bound) {
          nextBound_ = std::min(nextBound_, f);
          pruned = true;
        }
      }
      if (pruned) {
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

  const PatternTablesOf<Kind>& tables_;
  Cells cells_;
  const std::atomic<bool>* cancel_;
  Estimate<Kind> estimate_;
  int blank_ = 15;
  int nextBound_ = kInfinity;
  std::uint64_t nodes_ = 0;
  std::array<int, kMaxMoves> path_{};
};

}  // namespace

std::optional<ShortestSolution> SolveShortest(const Position& start, const std::atomic<bool>* cancel) {
  if (!start.IsSolvable()) throw Unsolvable();
  if (start == Position()) return ShortestSolution{};  // the goal: no tables needed
  const PatternTables* tables = TablesUnlessCancelled(cancel);
  if (!tables) return std::nullopt;
  return Search<FullTables>(*tables, start, cancel).Run();
}

template <class Kind>
std::optional<ShortestSolution> SolveShortestWith(const PatternTablesOf<Kind>& tables, const Position& start,
                                                  const std::atomic<bool>* cancel) {
  if (!start.IsSolvable()) throw Unsolvable();
  if (start == Position()) return ShortestSolution{};
  return Search<Kind>(tables, start, cancel).Run();
}

template <class Kind>
int EstimateMovesWith(const PatternTablesOf<Kind>& tables, const Position& position) {
  return EstimateOf(tables, position).Value();
}

template std::optional<ShortestSolution> SolveShortestWith(const PatternTablesOf<FullTables>&, const Position&,
                                                           const std::atomic<bool>*);
template std::optional<ShortestSolution> SolveShortestWith(const PatternTablesOf<SmallTables>&, const Position&,
                                                           const std::atomic<bool>*);
template int EstimateMovesWith(const PatternTablesOf<FullTables>&, const Position&);
template int EstimateMovesWith(const PatternTablesOf<SmallTables>&, const Position&);

std::string SolutionText(const std::vector<int>& tiles) {
  std::string text = std::to_string(tiles.size()) + ":";
  for (const int tile : tiles) text.append(" ").append(std::to_string(tile));
  return text;
}

int EstimateMoves(const Position& position) { return EstimateOf(Tables(), position).Value(); }

}  // namespace quarvel::shortest
