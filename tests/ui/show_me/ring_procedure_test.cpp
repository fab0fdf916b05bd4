#include "solver/ring_procedure.h"

#include <gtest/gtest.h>

#include <vector>

#include "solver_bench.h"

namespace quarvel {
namespace {

using testing::InRing;
using testing::kGameOverShown;
using testing::SolverBench;

// Runs presses and returns the tile each one moved.
std::vector<int> PressTimes(SolverBench& bench, int presses) {
  std::vector<int> moved;
  for (int i = 0; i < presses; ++i) moved.push_back(bench.Press());
  return moved;
}

TEST(RingProcedure, TheRingStepsCarryTheBlankRoundRowsThreeAndFour) {
  const Board start = testing::BoardFromRows("1 2 3 4 / 5 6 7 8 / 0 9 10 11 / 12 13 14 15");
  const CellPos clockwise[] = {{3, 2}, {3, 3}, {3, 4}, {4, 4}, {4, 3}, {4, 2}, {4, 1}, {3, 1}};
  for (bool forward : {true, false}) {
    Board board = start;
    for (int step = 0; step < 8; ++step) {
      const int tile = forward ? ClockwiseRingTile(board.position) : CounterClockwiseRingTile(board.position);
      ASSERT_TRUE(MoveTile(board, tile));
      EXPECT_EQ(board.position.PlaceOf(kBlank), forward ? clockwise[step] : clockwise[(14 - step) % 8]) << step;
    }
    // A full turn shifts the seven tiles by one place round the ring.
    EXPECT_EQ(testing::RowsOf(board.position),
              forward ? "1 2 3 4 / 5 6 7 8 / 0 10 11 15 / 9 12 13 14" : "1 2 3 4 / 5 6 7 8 / 0 12 9 10 / 13 14 15 11");
  }
  // A blank in row 1 or 2 counts as row 4: the named tile is not next to it.
  const Position high = testing::PositionFromRows("1 2 3 4 / 5 6 0 8 / 9 10 7 11 / 12 13 14 15");
  EXPECT_EQ(ClockwiseRingTile(high), 13);
  EXPECT_EQ(CounterClockwiseRingTile(high), 15);
}

TEST(RingProcedure, LiftsTile12ReordersTheCornerAndSolvesOnThe40thPress) {
  // The homing step stalls on 12 and the procedure starts at phase 1.
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 14 / 15 0 12 13", BlankMove::Right);
  const std::vector<int> expected = {15, 9,  10, 11, 12, 13, 14, 12, 11, 10, 9,  9,  10, 11, 12, 14, 13, 15, 9,  10,
                                     11, 12, 15, 13, 14, 15, 12, 11, 10, 9,  13, 14, 15, 12, 11, 10, 9,  13, 14, 15};
  std::vector<int> moved = PressTimes(bench, 5);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 10 11 12 14 / 9 15 0 13");  // 12 lifted
  EXPECT_EQ(bench.solver().SolverTile, 9);
  EXPECT_EQ(bench.solver().SolverStep, 2);
  for (int tile : PressTimes(bench, 6)) moved.push_back(tile);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 15 13 14");  // 9 home
  moved.push_back(bench.Press());                                          // 9 back down
  EXPECT_EQ(bench.solver().SolverStep, 3);
  for (int tile : PressTimes(bench, 10)) moved.push_back(tile);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 11 12 0 14 / 10 9 15 13");  // 12 at row 3 column 2
  moved.push_back(bench.Press());                                          // 15 up
  EXPECT_EQ(bench.solver().SolverStep, 4);
  for (int tile : PressTimes(bench, 16)) moved.push_back(tile);
  EXPECT_TRUE(bench.game().GameInProgress);
  EXPECT_TRUE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::Right);  // the procedure never touches it
  moved.push_back(bench.Press());
  EXPECT_EQ(moved, expected);
  EXPECT_FALSE(bench.game().GameInProgress);
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
  EXPECT_EQ(bench.shown(), std::vector<std::string>{kGameOverShown});
}

TEST(RingProcedure, EnteredAtPhase4ByTheLastRowTestSolvesOnThe29thPress) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 15 13 14");
  const std::vector<int> expected = {9,  10, 11, 12, 14, 13, 15, 9,  10, 11, 12, 15, 13, 14, 15,
                                     12, 11, 10, 9,  13, 14, 15, 12, 11, 10, 9,  13, 14, 15};
  std::vector<int> moved = PressTimes(bench, 11);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 11 12 0 14 / 10 9 15 13");
  EXPECT_EQ(bench.solver().SolverStep, 3);
  for (int tile : PressTimes(bench, 17)) moved.push_back(tile);
  EXPECT_TRUE(bench.game().GameInProgress);
  EXPECT_EQ(bench.solver().SolverStep, 4);
  moved.push_back(bench.Press());
  EXPECT_EQ(moved, expected);
  EXPECT_FALSE(bench.game().GameInProgress);
  EXPECT_EQ(bench.shown(), std::vector<std::string>{kGameOverShown});
  EXPECT_EQ(bench.solver().SolverStep, 4);
  EXPECT_EQ(bench.solver().SolverTile, 13);
}

TEST(RingProcedure, Phase3EndsWhenTile12IsNotNextInRowThree) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 13 / 0 12 14 15", InRing{3, 9});
  EXPECT_EQ(bench.Press(), 12);
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverStep, 3);
  EXPECT_EQ(bench.Press(), 12);  // an ordinary scan: 12 heads right again
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
}

TEST(RingProcedure, Phase3HandsTile13HomeWhenItIsNext) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 13 15 14", InRing{3, 9});
  EXPECT_EQ(bench.Press(), 13);
  EXPECT_FALSE(bench.solver().RingMode);
  EXPECT_EQ(bench.solver().SolverStep, 3);
}

TEST(RingProcedure, Phase1GoesDownFromRowThreeThenLeftTowardTheTile) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 12 14 15", InRing{1, 12});
  EXPECT_EQ(bench.Press(), 15);  // the tile below the blank moves up
  EXPECT_EQ(bench.solver().SolverStep, 0);
  EXPECT_EQ(bench.Press(), 14);  // the blank goes left: column 4 > 2 + 1
  EXPECT_EQ(bench.solver().SolverStep, 0);
  EXPECT_EQ(bench.Press(), 12);  // at column 3, phase 2 at once: clockwise, 12 moves right
  EXPECT_EQ(bench.solver().SolverStep, 1);
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 9 10 11 15 / 13 0 12 14");
}

TEST(RingProcedure, AfterPhase5OnAnUnsolvableBoardEveryPressMovesNothing) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 15 14 0", InRing{5, 13});
  for (int press = 1; press <= 4; ++press) {
    EXPECT_EQ(bench.Press(), 0);
    EXPECT_EQ(bench.solver().SolverStep, 4 + press);
    EXPECT_TRUE(bench.solver().RingMode);
  }
  EXPECT_TRUE(bench.game().GameInProgress);
  EXPECT_TRUE(bench.shown().empty());
  // The 16-bit phase counter stays at its top rather than wrap round to phase 1.
  bench.game().solver.SolverStep = 32766;
  bench.Press();
  EXPECT_EQ(bench.solver().SolverStep, 32767);
  EXPECT_EQ(bench.Press(), 0);
  EXPECT_EQ(bench.solver().SolverStep, 32767);
}

TEST(RingProcedure, Phase4WalksTheBlankRoundTheCornerUntil13IsThere) {
  // 12 already at row 3 column 2, the blank at row 3 column 3, 13 not yet in the corner.
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 12 0 13 / 10 11 14 15", InRing{4, 13});
  EXPECT_EQ(bench.Press(), 13);  // from row 3 column 4, left
  EXPECT_EQ(bench.solver().SolverStep, 3);
  EXPECT_EQ(bench.Press(), 15);  // up
  EXPECT_EQ(bench.Press(), 14);  // right
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 9 12 13 15 / 10 11 0 14");
  EXPECT_EQ(bench.Press(), 13);  // 13 not in the corner, blank at row 4 column 3: down
  EXPECT_EQ(bench.solver().SolverStep, 4);
}

}  // namespace
}  // namespace quarvel
