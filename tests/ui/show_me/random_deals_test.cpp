#include <gtest/gtest.h>

#include <random>

#include "game/new_game.h"
#include "game/shuffled_random.h"
#include "game/start_position.h"
#include "solver_bench.h"
#include "ui/show_me.h"

namespace quarvel {
namespace {

using testing::kGameOverShown;
using testing::MovedTile;

TEST(ShowMeOnRandomDeals, OneTileAtMostPerPressAndEveryFinishedGameEndsTheSameWay) {
  constexpr int kDeals = 2000;
  constexpr int kPressCap = 5000;
  SeededGenerator generator(20260101);
  ShuffledRandomSource random(generator);
  random.ShuffledRandom(-1);

  int finished = 0, stalled = 0;
  for (int deal = 0; deal < kDeals; ++deal) {
    testing::Harness h;
    SolverGame state;
    MainWindowState window;
    Position position = ShuffleStartPosition(random);
    MakeSolvable(position);
    LayOutBoard(state.board, position);
    BeginGame(state, h.services);
    window.enabled.SetGameInProgress(/*saveEnabled=*/true);
    const EnabledCommands during = window.enabled;

    int presses = 0;
    while (state.GameInProgress && presses < kPressCap) {
      const Position before = state.board.position;
      const SolverState was = state.solver;
      const int target = FirstMisplacedTile(before);
      ShowMe(state, window, h.services);
      h.AnswerBoxes();
      ++presses;
      const int moved = MovedTile(before, state.board.position);
      ASSERT_GE(moved, 0) << "deal " << deal << " press " << presses;
      const bool scanned = !was.RowEndRotation && !was.RingMode;
      const bool homing = scanned && !state.solver.RowEndRotation && !state.solver.RingMode;
      if (homing && moved != 0) {
        ASSERT_GE(moved, target) << "deal " << deal << " press " << presses;
      }
      ASSERT_FALSE(state.solver.RowEndRotation && state.solver.RingMode);
      ASSERT_EQ(state.GameInProgress, !IsSolved(state.board.position, state.home));
    }

    if (state.GameInProgress) {
      ++stalled;
      EXPECT_TRUE(h.dialogs.transcript.empty());
      // The rules stall for ever only inside the ring procedure.
      EXPECT_TRUE(state.solver.RingMode) << "deal " << deal;
      continue;
    }
    ++finished;
    EXPECT_EQ(h.dialogs.transcript, std::vector<std::string>{kGameOverShown}) << "deal " << deal;
    EnabledCommands after = during;
    after.newGame = after.reload = after.replay = true;
    after.giveUp = after.showMe = false;
    EXPECT_EQ(window.enabled, after);
    EXPECT_FALSE(state.SolverUsed);
    EXPECT_FALSE(state.solver.RingMode);
    EXPECT_FALSE(state.solver.RowEndRotation);
    EXPECT_EQ(state.solver.SolverLastMove, BlankMove::None);
    EXPECT_EQ(window.clockText, "");
  }
  EXPECT_EQ(finished + stalled, kDeals);
  EXPECT_GT(finished, 0);
  RecordProperty("finished", finished);
  RecordProperty("stalled", stalled);
  std::cout << "[ deals    ] " << finished << " finished, " << stalled << " stalled at " << kPressCap << " presses\n";
}

}  // namespace
}  // namespace quarvel
