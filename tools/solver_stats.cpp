// Deals random games the way New Game does and presses "Show Me!" until each game ends
// or a press cap is reached; prints how many finish and how many presses they take.
//   solver_stats [deals=10000] [press cap=5000] [seed=1]
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "game/new_game.h"
#include "game/shuffled_random.h"
#include "game/start_position.h"
#include "platform/scripted.h"
#include "solver/solver_driver.h"
#include "solver/solver_state.h"
#include "ui/show_me.h"

namespace {

using namespace quarvel;

// Where a game stood when the cap was reached.
std::string StallKind(const SolverState& solver) {
  if (solver.RowEndRotation) return "row-end rotation";
  if (!solver.RingMode) return "scan";
  if (solver.SolverStep <= 1) return "ring phase 1-2, target tile " + std::to_string(solver.SolverTile);
  if (solver.SolverStep >= 5) return "ring phase 6 or more";
  return "ring phase " + std::to_string(solver.SolverStep + 1);
}

long Argument(int argc, char** argv, int index, long fallback) {
  return argc > index ? std::strtol(argv[index], nullptr, 10) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  const long deals = Argument(argc, argv, 1, 10000);
  const long cap = Argument(argc, argv, 2, 5000);
  const auto seed = static_cast<std::uint64_t>(Argument(argc, argv, 3, 1));

  SeededGenerator generator(seed);
  ShuffledRandomSource random(generator);
  random.ShuffledRandom(-1);  // as start-up does
  ScriptedClock clock(ToDateTime({2026, 1, 1, 9, 0, 0}));
  Boxes boxes;  // the notices of games ended are left unanswered
  ScriptedWindowSystem windows;
  MemoryFileStore files;
  ScriptedDrawList unused;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windows, files, unused, shortest};

  std::vector<long> finishedPresses;
  std::map<std::string, long> stalls;
  for (long deal = 0; deal < deals; ++deal) {
    SolverGame state;
    Position position = ShuffleStartPosition(random);
    MakeSolvable(position);
    LayOutBoard(state.board, position);
    MainWindowState window;
    BeginGame(state, services);
    long presses = 0;
    while (state.GameInProgress && presses < cap) {
      ShowMe(state, window, services);
      ++presses;
    }
    if (state.GameInProgress)
      ++stalls[StallKind(state.solver)];
    else
      finishedPresses.push_back(presses);
  }

  std::sort(finishedPresses.begin(), finishedPresses.end());
  const long finished = static_cast<long>(finishedPresses.size());
  std::cout << "deals " << deals << ", press cap " << cap << ", seed " << seed << '\n';
  std::cout << "finished " << finished << '\n';
  std::cout << "stalled " << deals - finished << '\n';
  for (const auto& [kind, count] : stalls) std::cout << "  " << kind << ": " << count << '\n';
  if (finished > 0) {
    const std::size_t middle = finishedPresses.size() / 2;
    const double median =
        finishedPresses.size() % 2 == 1
            ? static_cast<double>(finishedPresses[middle])
            : (static_cast<double>(finishedPresses[middle - 1]) + static_cast<double>(finishedPresses[middle])) / 2.0;
    std::cout << "presses of finished games: median " << median << ", worst " << finishedPresses.back() << ", best "
              << finishedPresses.front() << '\n';
  }
  return 0;
}
