// The shortest-solution search against breadth-first distances, its estimate's bounds,
// cancellation, and the worker thread that runs it for the window.
#include "shortest/shortest_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <unordered_map>
#include <vector>

#include "shortest/pattern_database.h"
#include "shortest/shortest_solution_worker.h"
#include "shortest/used_tables.h"
#include "support/random_positions.h"

namespace quarvel::shortest {
namespace {

using quarvel::testing::RandomSolvable;

#ifdef QUARVEL_SANITIZED_BUILD
constexpr int kBreadthFirstDepth = 10;
constexpr int kRandomPositions = 4;
#else
constexpr int kBreadthFirstDepth = 15;
constexpr int kRandomPositions = 30;
#endif

std::uint64_t Key(const Position& position) {
  std::uint64_t key = 0;
  for (std::uint8_t v : position.cells()) key = (key << 4) | v;
  return key;
}

// The tiles that may slide into the empty cell.
std::vector<int> MovableTiles(const Position& cells) {
  std::vector<int> tiles;
  for (int tile = 1; tile <= 15; ++tile) {
    Position copy = cells;
    if (copy.Slide(tile)) tiles.push_back(tile);
  }
  return tiles;
}

// Plays the tiles in order; fails the test on a tile that cannot move.
Position Replay(Position cells, const std::vector<int>& tiles) {
  for (const int tile : tiles) EXPECT_TRUE(cells.Slide(tile)) << "tile " << tile << " cannot move";
  return cells;
}

// For each side (the position, its reflection) and group: the group's distance in the
// tables, and whether the cells its tiles leave free are all connected. Where they are
// not, the table holds the smallest distance over the sides of the wall, which may jump
// by more than one on a move.
struct GroupView {
  int distance;
  bool open;
};
std::array<GroupView, 2 * kGroupCount> Groups(const Position& position) {
  std::array<GroupView, 2 * kGroupCount> views{};
  std::size_t v = 0;
  for (const Position& reflection : {position, position.Reflected()})
    for (std::size_t g = 0; g < kGroups.size(); ++g, ++v) {
      std::array<std::uint8_t, kMaxGroupTiles> at{};
      std::array<bool, 16> free{};
      const Position::Cells& cells = reflection.cells();
      for (std::size_t c = 0; c < 16; ++c) {
        const auto found = std::find(kGroups[g].begin(), kGroups[g].begin() + kGroupSizes[g], cells[c]);
        free[c] = cells[c] == 0 || found == kGroups[g].begin() + kGroupSizes[g];
        if (!free[c]) at[static_cast<std::size_t>(found - kGroups[g].begin())] = static_cast<std::uint8_t>(c);
      }
      std::array<bool, 16> reached{};
      std::vector<int> stack{static_cast<int>(std::find(free.begin(), free.end(), true) - free.begin())};
      reached[static_cast<std::size_t>(stack.back())] = true;
      while (!stack.empty()) {
        const int c = stack.back();
        stack.pop_back();
        for (const int n : {c - 4, c + 4, c % 4 ? c - 1 : -1, c % 4 != 3 ? c + 1 : -1})
          if (n >= 0 && n < 16 && free[static_cast<std::size_t>(n)] && !reached[static_cast<std::size_t>(n)]) {
            reached[static_cast<std::size_t>(n)] = true;
            stack.push_back(n);
          }
      }
      views[v] = {Tables().GroupDistance(g, at.data()), free == reached};
    }
  return views;
}

// Checks one move: every group whose free cells stay connected changes its distance by
// at most one; the estimate too when all do. Returns the number of groups checked.
int ExpectConsistentMove(const Position& before, const Position& after) {
  const auto a = Groups(before), b = Groups(after);
  int checked = 0;
  bool allOpen = true;
  for (std::size_t v = 0; v < a.size(); ++v) {
    if (!a[v].open || !b[v].open) {
      allOpen = false;
      continue;
    }
    EXPECT_LE(std::abs(a[v].distance - b[v].distance), 1) << "group " << v % kGroupCount << " side " << v / kGroupCount;
    ++checked;
  }
  if (allOpen) {
    EXPECT_LE(std::abs(EstimateMoves(before) - EstimateMoves(after)), 1);
  }
  return checked;
}

TEST(ShortestSolution, TablesFitTheMemoryBudget) {
  const PatternTables& tables = Tables();
  EXPECT_EQ(tables.groups[0].bytes(), 16u * 15 * 14 * 13 * 12 * 11 * 10 / 2) << "four bits an entry";
  EXPECT_EQ(tables.groups[1].bytes(), tables.groups[0].bytes());
  EXPECT_LE(tables.bytes(), 64u << 20);
  EXPECT_EQ(&tables, &Tables()) << "built once";
}

// A table of tiles 1, 2 and 3 gives back their distances, at even and odd ranks: the sum
// of the Manhattan distances plus twice the half excess it stores.
TEST(ShortestSolution, ATableGivesBackItsGroupsDistances) {
  const std::uint8_t tiles[] = {1, 2, 3};
  const PatternDatabase table(tiles);
  struct Case {
    std::array<std::uint8_t, 3> cells;  // of tiles 1, 2, 3
    int manhattan;
    int distance;
  };
  const Case cases[] = {
      {{0, 1, 2}, 0, 0},  // home
      {{4, 1, 2}, 1, 1},  // tile 1 one row down
      {{5, 4, 6}, 5, 5},  // each may go straight home
      {{1, 0, 2}, 2, 6},  // 1 and 2 swapped: cell 1 is walled off once 2 steps down
      {{2, 1, 0}, 4, 8},  // the row reversed
  };
  for (const Case& c : cases) {
    const std::uint32_t rank = RankCells(c.cells.data(), 3);
    int manhattan = 0;
    for (std::size_t i = 0; i < 3; ++i) manhattan += kCellDistance[tiles[i] - 1u][c.cells[i]];
    EXPECT_EQ(manhattan, c.manhattan);
    EXPECT_EQ(manhattan + 2 * table.HalfExcess(rank), c.distance) << "rank " << rank;
  }
}

TEST(ShortestSolution, ABuildOfATableStopsWhenCancelled) {
  const std::atomic<bool> cancelled{true};
  const std::span<const std::uint8_t> group(kGroups[0].data(), static_cast<std::size_t>(kGroupSizes[0]));
  EXPECT_THROW(PatternDatabase(group, &cancelled), PatternDatabase::Cancelled);
  EXPECT_EQ(TablesUnlessCancelled(&cancelled), &Tables()) << "once built, the tables are there";
}

TEST(ShortestSolution, RefusesAPositionThatCannotBeSolvedAtOnce) {
  Position swapped;
  swapped.Exchange(13, 14);  // tiles 14 and 15 exchanged
  EXPECT_THROW(SolveShortest(swapped), Unsolvable);
}

// Every position within the depth, found by breadth-first search from the goal.
TEST(ShortestSolution, LengthsEqualBreadthFirstDistancesNearTheGoal) {
  std::unordered_map<std::uint64_t, int> distance{{Key(Position()), 0}};
  std::vector<Position> layer{Position()};
  std::vector<int> countAtDepth{1};
  for (int depth = 1; depth <= kBreadthFirstDepth; ++depth) {
    std::vector<Position> next;
    for (const Position& cells : layer)
      for (const int tile : MovableTiles(cells)) {
        Position moved = cells;
        moved.Slide(tile);
        if (distance.emplace(Key(moved), depth).second) next.push_back(moved);
      }
    layer.swap(next);
    countAtDepth.push_back(static_cast<int>(layer.size()));
    for (const Position& cells : layer) {
      const auto solution = SolveShortest(cells);
      ASSERT_TRUE(solution);
      ASSERT_EQ(static_cast<int>(solution->tiles.size()), depth);
      ASSERT_EQ(Replay(cells, solution->tiles), Position());
      ASSERT_LE(EstimateMoves(cells), depth);
      ASSERT_LE(EstimateMoves(cells.Reflected()), depth);
    }
  }
  // The known numbers of positions at depths 1 to 5 from the goal.
  EXPECT_EQ(std::vector<int>(countAtDepth.begin(), countAtDepth.begin() + 6), (std::vector<int>{1, 2, 4, 10, 24, 54}));
  EXPECT_EQ(SolveShortest(Position())->tiles.size(), 0u);
}

// Along a shortest solution the distance of every position is known: the moves left.
TEST(ShortestSolution, RandomPositionsReplayAndTheEstimateIsAdmissibleAndConsistent) {
  std::mt19937_64 rng(13);
  for (int n = 0; n < kRandomPositions; ++n) {
    const Position start = RandomSolvable(rng);
    const auto solution = SolveShortest(start);
    ASSERT_TRUE(solution);
    const auto length = static_cast<int>(solution->tiles.size());
    EXPECT_GE(length, 30) << "random positions lie far from the goal";
    EXPECT_LE(length, 80);
    EXPECT_GT(solution->nodes, 0u);
    EXPECT_EQ(Replay(start, solution->tiles), Position());
    Position cells = start;
    int estimate = EstimateMoves(cells);
    for (int moved = 0; moved < length; ++moved) {
      ASSERT_LE(estimate, length - moved);
      const Position before = cells;
      cells.Slide(solution->tiles[static_cast<std::size_t>(moved)]);
      ExpectConsistentMove(before, cells);
      estimate = EstimateMoves(cells);
    }
    EXPECT_EQ(estimate, 0);
  }
}

TEST(ShortestSolution, EstimateChangesByAtMostOnePerMoveOnRandomWalksWhereNoCellIsWalledOff) {
  std::mt19937_64 rng(7);
  Position cells = Position();
  int estimate = 0;
  int checked = 0;
  for (int step = 1; step <= 2000; ++step) {
    const std::vector<int> tiles = MovableTiles(cells);
    const Position before = cells;
    cells.Slide(tiles[rng() % tiles.size()]);
    checked += ExpectConsistentMove(before, cells);
    const int next = EstimateMoves(cells);
    ASSERT_LE(next, step);
    estimate = next;
  }
  EXPECT_GT(estimate, 20) << "the walk went far";
  EXPECT_GT(checked, 5000) << "most groups leave their free cells connected";
}

TEST(ShortestSolution, ACancelledSearchGivesNothing) {
  std::mt19937_64 rng(21);
  const std::atomic<bool> cancelled{true};
  // Deep enough for the search to look at its flag.
  Position start;
  do {
    start = RandomSolvable(rng);
  } while (SolveShortest(start)->nodes < 20000);
  EXPECT_FALSE(SolveShortest(start, &cancelled));
}

// A search that waits until it is released or cancelled.
struct BlockingSolve {
  std::mutex mutex;
  std::condition_variable changed;
  int started = 0;
  int cancelled = 0;
  bool released = false;

  ShortestSolutionWorker::Solve Function() {
    return [this](const Position&, const std::atomic<bool>& cancel) -> std::optional<int> {
      std::unique_lock lock(mutex);
      ++started;
      changed.notify_all();
      while (!released && !cancel) changed.wait_for(lock, std::chrono::milliseconds(1));
      if (cancel) {
        ++cancelled;
        changed.notify_all();
        return std::nullopt;
      }
      return 42;
    };
  }
  void WaitFor(int& counter, int value) {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return counter >= value; }));
  }
};

TEST(ShortestSolutionWorker, ANewRequestCancelsTheOneUnderWay) {
  BlockingSolve solve;
  std::mutex mutex;
  std::condition_variable doneChanged;
  std::vector<std::pair<std::uint64_t, int>> done;
  {
    ShortestSolutionWorker worker(
        [&](std::uint64_t tag, int length) {
          std::lock_guard lock(mutex);
          done.emplace_back(tag, length);
          doneChanged.notify_all();
        },
        solve.Function());
    worker.Request(1, Position());
    solve.WaitFor(solve.started, 1);
    worker.Request(2, Position());
    solve.WaitFor(solve.cancelled, 1);
    solve.WaitFor(solve.started, 2);
    {
      std::lock_guard lock(solve.mutex);
      solve.released = true;
    }
    std::unique_lock lock(mutex);
    ASSERT_TRUE(doneChanged.wait_for(lock, std::chrono::seconds(10), [&] { return !done.empty(); }));
  }
  EXPECT_EQ(done, (std::vector<std::pair<std::uint64_t, int>>{{2, 42}}));
}

TEST(ShortestSolutionWorker, EndingTheWorkerCancelsItsSearch) {
  BlockingSolve solve;
  int doneCalls = 0;
  {
    ShortestSolutionWorker worker([&](std::uint64_t, int) { ++doneCalls; }, solve.Function());
    worker.Request(1, Position());
    solve.WaitFor(solve.started, 1);
  }  // would hang here if the search were not cancelled
  EXPECT_EQ(solve.cancelled, 1);
  EXPECT_EQ(doneCalls, 0);
}

TEST(ShortestSolutionWorker, TheRealSearchReportsTheLength) {
  std::mutex mutex;
  std::condition_variable doneChanged;
  std::optional<int> length;
  ShortestSolutionWorker worker([&](std::uint64_t, int n) {
    std::lock_guard lock(mutex);
    length = n;
    doneChanged.notify_all();
  });
  Position cells = Position();
  for (const int tile : {12, 11, 10, 14}) ASSERT_TRUE(cells.Slide(tile));
  worker.Request(7, cells);
  std::unique_lock lock(mutex);
  ASSERT_TRUE(doneChanged.wait_for(lock, std::chrono::seconds(30), [&] { return length.has_value(); }));
  EXPECT_EQ(length, 4);
}

}  // namespace
}  // namespace quarvel::shortest
