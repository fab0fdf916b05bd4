#include "solver/solver_driver.h"

#include <gtest/gtest.h>

#include "solver_bench.h"
#include "ui/tile_click.h"

namespace quarvel {
namespace {

using testing::kGameOverShown;
using testing::SolverBench;

TEST(ShowMe, EveryPressMarksTheGameAssistedAndEmptiesTheTimeBoxEvenWhenNothingMoves) {
  // Tile 8's approach stalls with the blank at row 2 column 4; the ring procedure then
  // names a tile that is not next to the blank, press after press.
  SolverBench bench("1 2 3 4 / 5 6 7 0 / 9 10 8 11 / 12 13 14 15", BlankMove::Up);
  const std::string start = bench.Rows();
  for (int press = 1; press <= 5; ++press) {
    bench.window.clockText = " 00:01:00";
    EXPECT_EQ(bench.Press(), 0) << "press " << press;
    EXPECT_TRUE(bench.game().SolverUsed);
    EXPECT_EQ(bench.window.clockText, "");
    EXPECT_TRUE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 1);  // phase 2, repeated
    EXPECT_EQ(bench.solver().SolverTile, 8);
    EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::Up);
  }
  EXPECT_EQ(bench.Rows(), start);
  EXPECT_TRUE(bench.game().GameInProgress);
  EXPECT_TRUE(bench.shown().empty());
}

TEST(ShowMe, WithAllTilesHomeOnlyMarksTheGameAndEmptiesTheTimeBox) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0", BlankMove::Right);
  bench.game().solver.SolverStep = 5;
  bench.game().solver.SolverTile = 7;
  const EnabledCommands commands = bench.window.enabled;
  EXPECT_EQ(bench.Press(), 0);
  EXPECT_TRUE(bench.game().SolverUsed);
  EXPECT_EQ(bench.window.clockText, "");
  EXPECT_TRUE(bench.game().GameInProgress);
  EXPECT_EQ(bench.window.enabled, commands);
  EXPECT_FALSE(bench.solver().RowEndRotation);
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverStep, 5);
  EXPECT_EQ(bench.solver().SolverTile, 7);
  EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::Right);
  EXPECT_TRUE(bench.shown().empty());
}

TEST(ShowMe, RowEndTestNeedsTheTileBelowItsHomeWithTheBlankToItsLeft) {
  {  // tile 4 below its home cell, blank to its left: the rotation starts and moves at once
    SolverBench bench("1 2 3 5 / 6 7 0 4 / 8 9 10 11 / 12 13 14 15", BlankMove::Down);
    EXPECT_EQ(bench.Press(), 7);  // the tile at row 2 column 2 moves right
    EXPECT_TRUE(bench.solver().RowEndRotation);
    EXPECT_EQ(bench.solver().SolverStep, 1);
    EXPECT_EQ(bench.solver().SolverTile, 4);
  }
  {  // the blank below tile 4 instead: the homing step walks the blank round it
    SolverBench bench("1 2 3 5 / 6 7 8 4 / 9 10 11 0 / 12 13 14 15");
    EXPECT_EQ(bench.Press(), 11);
    EXPECT_FALSE(bench.solver().RowEndRotation);
    EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::Left);
  }
  {  // tile 8 and tile 12 in the same situation
    SolverBench eight("1 2 3 4 / 5 6 7 9 / 10 11 0 8 / 12 13 14 15");
    EXPECT_EQ(eight.Press(), 11);
    EXPECT_EQ(eight.solver().SolverTile, 8);
    SolverBench twelve("1 2 3 4 / 5 6 7 8 / 9 10 11 13 / 14 15 0 12");
    EXPECT_EQ(twelve.Press(), 15);
    EXPECT_EQ(twelve.solver().SolverTile, 12);
    EXPECT_TRUE(twelve.solver().RowEndRotation);
  }
  {  // tile 4 two rows below its home: no rotation
    SolverBench bench("1 2 3 5 / 6 7 8 9 / 10 11 0 4 / 12 13 14 15");
    bench.Press();
    EXPECT_FALSE(bench.solver().RowEndRotation);
  }
}

TEST(ShowMe, LastRowTestNeedsAHigherTileBesideTheBlankInTheCorner) {
  {
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 15 13 14");
    EXPECT_EQ(bench.Press(), 9);  // the ring procedure's phase 4 turns the ring
    EXPECT_TRUE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 3);
    EXPECT_EQ(bench.solver().SolverTile, 13);
  }
  {  // 13 is not greater than 13: the homing step moves 13 left
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 13 14 15", BlankMove::Right);
    EXPECT_EQ(bench.Press(), 13);
    EXPECT_FALSE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
  }
}

TEST(CheckSolverFinish, TheCompletingPressEndsTheGameWithTheAssistedMessage) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15", BlankMove::Right);
  bench.game().solver.SolverStep = 7;
  bench.game().solver.SolverTile = 5;
  EXPECT_EQ(bench.Press(), 15);
  EXPECT_FALSE(bench.game().GameInProgress);
  EXPECT_FALSE(bench.game().SolverUsed);
  EXPECT_EQ(bench.window.clockText, "");
  EXPECT_FALSE(bench.solver().RowEndRotation);
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
  EXPECT_EQ(bench.solver().SolverStep, 7);
  EXPECT_EQ(bench.solver().SolverTile, 5);
  const EnabledCommands expected{.newGame = true,
                                 .giveUp = false,
                                 .hallOfFame = false,
                                 .showMe = false,
                                 .reload = true,
                                 .save = true,
                                 .replay = true};
  EXPECT_EQ(bench.window.enabled, expected);  // Save and Hall of Fame untouched
  EXPECT_EQ(bench.shown(), std::vector<std::string>{kGameOverShown});

  SolverBench unsolved("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  CheckSolverFinish(unsolved.game(), unsolved.window, unsolved.harness.services);
  EXPECT_TRUE(unsolved.game().GameInProgress);
  EXPECT_TRUE(unsolved.shown().empty());
}

TEST(ShowMe, APlayersClickEndsEveryManoeuvreAndTheNextPressScansAfresh) {
  {  // scan mode: the approach's last direction is forgotten
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12", BlankMove::Left);
    SlideClickedTile(bench.state, bench.window, bench.harness.services, 1);  // cannot move
    EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
  }
  {  // row-end rotation abandoned after three moves, by a click that moves nothing
    SolverBench bench("1 2 3 9 / 5 6 0 4 / 7 8 10 11 / 12 13 14 15");
    for (int press = 0; press < 3; ++press) bench.Press();
    ASSERT_EQ(bench.Rows(), "0 2 3 9 / 1 5 6 4 / 7 8 10 11 / 12 13 14 15");
    SlideClickedTile(bench.state, bench.window, bench.harness.services, 15);
    EXPECT_FALSE(bench.solver().RowEndRotation);
    EXPECT_EQ(bench.solver().SolverStep, 3);
    EXPECT_EQ(bench.Press(), 1);  // tile 1 homed, where the rotation would have moved 2
    EXPECT_FALSE(bench.solver().RowEndRotation);
  }
  {  // ring procedure abandoned by a click that moves a tile
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 15 13 14");
    bench.Press();
    ASSERT_TRUE(bench.solver().RingMode);
    ASSERT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 0 10 11 12 / 9 15 13 14");
    SlideClickedTile(bench.state, bench.window, bench.harness.services, 9);
    EXPECT_FALSE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 3);
    EXPECT_EQ(bench.solver().SolverTile, 13);
    EXPECT_EQ(bench.Press(), 9);  // back to scanning: the last-row test holds again
    EXPECT_TRUE(bench.solver().RingMode);
  }
}

TEST(ShowMe, GiveUpDuringAManoeuvreClearsItButKeepsStepAndTile) {
  SolverBench bench("1 2 3 9 / 5 6 0 4 / 7 8 10 11 / 12 13 14 15", BlankMove::Up);
  for (int press = 0; press < 5; ++press) bench.Press();
  GiveUpGame(bench.game());
  EXPECT_FALSE(bench.game().GameInProgress);
  EXPECT_FALSE(bench.game().SolverUsed);
  EXPECT_FALSE(bench.solver().RowEndRotation);
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
  EXPECT_EQ(bench.solver().SolverStep, 5);
  EXPECT_EQ(bench.solver().SolverTile, 4);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0");
  SlideClickedTile(bench.state, bench.window, bench.harness.services, 12);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0");
}

TEST(ShowMe, ThroughTheMainWindowTheClockStaysSilentAndTheEndDisablesShowMe) {
  testing::Harness h;
  ASSERT_TRUE(h.Start());
  // Game number 0 is the solved arrangement; one click leaves it a move from the end.
  ASSERT_TRUE(h.Send(EventId::NewGame));
  ASSERT_TRUE(h.Send(EventId::GiveUp));
  h.Type("0");
  ASSERT_TRUE(h.Send(EventId::Replay));
  ASSERT_TRUE(h.Tile(12));  // one move away from solved, by hand
  h.clock.Advance(3);
  h.Send(EventId::Tick);
  ASSERT_EQ(h.window().clockText, " 00:00:03");

  ASSERT_TRUE(h.Send(EventId::ShowMe));  // 12 goes back down: solved by the solver
  EXPECT_FALSE(h.game().GameInProgress);
  EXPECT_EQ(h.window().clockText, "");
  EXPECT_EQ(h.dialogs.transcript.back(), kGameOverShown);
  EXPECT_FALSE(h.Send(EventId::ShowMe));
  EXPECT_FALSE(h.Send(EventId::GiveUp));
  h.clock.Advance(5);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, "");
}

}  // namespace
}  // namespace quarvel
