#include "solver/tile_homing.h"

#include <gtest/gtest.h>

#include "solver_bench.h"

namespace quarvel {
namespace {

using testing::SolverBench;

TEST(HomeTileStep, MovesTheTargetWhenTheBlankWaitsWhereItGoesNext) {
  struct Case {
    const char* rows;
    int target;
    const char* after;
  };
  const Case cases[] = {
      // in its home row: left
      {"1 2 0 3 / 5 6 7 8 / 9 10 11 12 / 13 14 15 4", 3, "1 2 3 0 / 5 6 7 8 / 9 10 11 12 / 13 14 15 4"},
      // in its home column below its home row: up
      {"1 0 3 4 / 5 2 7 8 / 9 10 11 12 / 13 14 15 6", 2, "1 2 3 4 / 5 0 7 8 / 9 10 11 12 / 13 14 15 6"},
      // left of its home column: right
      {"1 2 3 4 / 5 9 10 11 / 6 0 12 13 / 14 15 7 8", 6, "1 2 3 4 / 5 9 10 11 / 0 6 12 13 / 14 15 7 8"},
      // right of its home column: left
      {"1 2 3 4 / 6 7 8 9 / 10 0 5 11 / 12 13 14 15", 5, "1 2 3 4 / 6 7 8 9 / 10 5 0 11 / 12 13 14 15"},
  };
  for (const Case& c : cases) {
    SolverBench bench(c.rows, BlankMove::Right);
    EXPECT_EQ(bench.Press(), c.target) << c.rows;
    EXPECT_EQ(bench.Rows(), c.after);
    EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::None);
    EXPECT_FALSE(bench.solver().RingMode);
  }
}

TEST(StepBlankToward, TriesTheCandidatesInTheOrderOfTheBlanksPosition) {
  struct Case {
    const char* rows;
    int targetRow, targetColumn, bound;
    BlankMove lastMove;
    BlankMove expected;  // BlankMove::None: nothing permitted
  };
  const char* around = "1 2 3 4 / 5 6 7 8 / 9 0 10 11 / 12 13 14 15";  // blank at row 3 column 2
  const char* swapped = "1 2 3 4 / 5 6 7 8 / 10 0 9 11 / 12 13 14 15";
  const Case cases[] = {
      // left of the target: right, then up, then down
      {around, 3, 4, 0, BlankMove::None, BlankMove::Right},
      {around, 3, 4, 0, BlankMove::Left, BlankMove::Up},
      {around, 3, 4, 6, BlankMove::Left, BlankMove::Down},
      {around, 3, 4, 13, BlankMove::Left, BlankMove::None},
      {"1 2 3 4 / 5 12 7 8 / 9 0 6 10 / 11 13 14 15", 3, 4, 6, BlankMove::Down, BlankMove::Down},  // up reverses
      // right of the target: left, then up, then down
      {around, 3, 1, 0, BlankMove::None, BlankMove::Left},
      {around, 1, 1, 0, BlankMove::Right, BlankMove::Up},
      {around, 4, 1, 9, BlankMove::Down, BlankMove::Down},  // repeating a direction is no reverse
      // below the target: up, then right, then left
      {around, 1, 2, 0, BlankMove::Up, BlankMove::Up},
      {around, 1, 2, 0, BlankMove::Down, BlankMove::Right},
      {around, 1, 2, 10, BlankMove::Down, BlankMove::None},  // 10 and 9 too low
      {swapped, 1, 2, 9, BlankMove::Down, BlankMove::Left},
      {"1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 12 13 14 15", 1, 4, 8, BlankMove::Right, BlankMove::None},  // left reverses
      // above the target: down, then right, then left
      {"1 2 3 4 / 5 0 7 8 / 9 6 10 11 / 12 13 14 15", 4, 2, 0, BlankMove::Up, BlankMove::Right},
      {"1 2 3 4 / 5 0 7 8 / 9 6 10 11 / 12 13 14 15", 4, 2, 7, BlankMove::Up, BlankMove::None},
      {"1 2 3 4 / 6 0 5 8 / 9 7 10 11 / 12 13 14 15", 4, 2, 5, BlankMove::Up, BlankMove::Left},
      {"1 2 3 4 / 5 6 9 0 / 7 10 11 8 / 12 13 14 15", 4, 4, 8, BlankMove::Right, BlankMove::None},  // left reverses
      // off the board: in row 1 there is no up, in column 4 no right, in column 1 no left
      {"1 2 0 4 / 5 6 3 8 / 9 7 10 11 / 12 13 14 15", 1, 4, 0, BlankMove::Left, BlankMove::Down},
      {"1 2 3 4 / 5 6 7 0 / 9 10 11 8 / 12 13 14 15", 1, 4, 7, BlankMove::Down, BlankMove::None},
      {"1 2 3 4 / 0 6 7 8 / 5 10 11 9 / 12 13 14 15", 4, 1, 9, BlankMove::Up, BlankMove::None},
  };
  for (const Case& c : cases) {
    SolverBench bench(c.rows, c.lastMove);
    const CellPos blank = bench.game().board.position.PlaceOf(kBlank);
    const Position before = bench.game().board.position;
    const bool moved = StepBlankToward(bench.game(), blank.Row, blank.Column, c.targetRow, c.targetColumn, c.bound);
    const std::string where = std::string(c.rows) + " toward " + std::to_string(c.targetRow) + "," +
                              std::to_string(c.targetColumn) + " bound " + std::to_string(c.bound) + " after " +
                              std::to_string(static_cast<int>(c.lastMove));
    EXPECT_EQ(moved, c.expected != BlankMove::None) << where;
    EXPECT_EQ(bench.solver().SolverLastMove, moved ? c.expected : c.lastMove) << where;
    if (!moved) {
      EXPECT_EQ(bench.game().board.position, before) << where;
      continue;
    }
    const CellPos now = bench.game().board.position.PlaceOf(kBlank);
    const int dr = now.Row - blank.Row, dc = now.Column - blank.Column;
    const BlankMove went = dc < 0   ? BlankMove::Left
                           : dc > 0 ? BlankMove::Right
                           : dr < 0 ? BlankMove::Up
                                    : BlankMove::Down;
    EXPECT_EQ(went, c.expected) << where;
    EXPECT_GT(testing::MovedTile(before, bench.game().board.position), c.bound) << where;
  }
}

TEST(StepBlankToward, StepsRightOutOfColumnOneEvenAfterALeftMoveOnlyFromBelowTheTarget) {
  // T = 5 at row 3 column 1, the blank below it having just moved left: right is permitted.
  SolverBench column1("1 2 3 4 / 6 7 8 9 / 5 10 11 12 / 0 13 14 15", BlankMove::Left);
  EXPECT_EQ(column1.Press(), 13);
  EXPECT_EQ(column1.solver().SolverLastMove, BlankMove::Right);
  EXPECT_FALSE(column1.solver().RingMode);
  // One column further right (T = 6): right is refused and the blank goes left again.
  SolverBench column2("1 2 3 4 / 5 7 8 9 / 10 6 11 12 / 13 0 14 15", BlankMove::Left);
  EXPECT_EQ(column2.Press(), 13);
  EXPECT_EQ(column2.solver().SolverLastMove, BlankMove::Left);
  // Above the target in column 1 the reverse stays refused: nothing is permitted.
  SolverBench above("0 9 2 3 / 1 4 5 6 / 7 8 10 11 / 12 13 14 15", BlankMove::Left);
  EXPECT_FALSE(StepBlankToward(above.game(), 1, 1, 3, 1, 1));
}

TEST(HomeTileStep, AStalledApproachHandsThePressToTheRingProcedure) {
  {  // T = 2 below its home, blank on its left after moving up: phase 2 lifts row 3's tile
    SolverBench bench("1 5 3 4 / 0 2 6 7 / 8 9 10 11 / 12 13 14 15", BlankMove::Up);
    EXPECT_EQ(bench.Press(), 8);
    EXPECT_EQ(bench.Rows(), "1 5 3 4 / 8 2 6 7 / 0 9 10 11 / 12 13 14 15");
    EXPECT_TRUE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 1);
    EXPECT_EQ(bench.solver().SolverTile, 2);
    EXPECT_EQ(bench.solver().SolverLastMove, BlankMove::Up);
    // From now on the blank only travels round rows 3 and 4; tile 2 never moves.
    CellPos previous = bench.game().board.position.PlaceOf(kBlank);
    for (int press = 2; press <= 200; ++press) {
      const int moved = bench.Press();
      ASSERT_GE(moved, 9) << "press " << press;
      const CellPos blank = bench.game().board.position.PlaceOf(kBlank);
      ASSERT_GE(blank.Row, 3);
      // clockwise: right along row 3, down column 4, left along row 4, up column 1
      const bool clockwise = (previous.Row == 3 && previous.Column < 4 && blank.Column == previous.Column + 1) ||
                             (previous.Row == 3 && previous.Column == 4 && blank.Row == 4) ||
                             (previous.Row == 4 && previous.Column > 1 && blank.Column == previous.Column - 1) ||
                             (previous.Row == 4 && previous.Column == 1 && blank.Row == 3);
      ASSERT_TRUE(clockwise) << "press " << press;
      previous = blank;
    }
    EXPECT_EQ(bench.Rows().substr(0, 18), "1 5 3 4 / 8 2 6 7 ");
    EXPECT_TRUE(bench.game().GameInProgress);
  }
  {  // T = 6 below its home, blank on its left in row 3 after moving up: phase 2's ring
     // step moves T itself
    SolverBench bench("1 2 3 4 / 5 7 8 9 / 0 6 10 11 / 12 13 14 15", BlankMove::Up);
    EXPECT_EQ(bench.Press(), 6);
    EXPECT_TRUE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 1);
  }
  {  // T = 12 at row 4 column 3, blank left of it: right is T, up is 10, no down; phase 1
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 13 / 14 0 12 15");
    EXPECT_EQ(bench.Press(), 14);  // phase 1 falls through to phase 2's clockwise step
    EXPECT_TRUE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 1);
    EXPECT_EQ(bench.solver().SolverTile, 12);
  }
  {  // T = 10 in its home row, blank right of it after moving up, 8 above: phase 1
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 11 10 0 / 12 13 14 15", BlankMove::Up);
    EXPECT_EQ(bench.Press(), 15);  // phase 1 with the blank in row 3: the tile below goes up
    EXPECT_EQ(bench.solver().SolverStep, 0);
    EXPECT_EQ(bench.Press(), 14);  // phase 1 falls through to phase 2's clockwise step
    EXPECT_EQ(bench.solver().SolverStep, 1);
  }
  {  // T = 13 in its home row, blank right of it, 11 above: phase 4
    SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 15 13 0 14");
    EXPECT_EQ(bench.Press(), 13);  // phase 4's clockwise ring step
    EXPECT_TRUE(bench.solver().RingMode);
    EXPECT_EQ(bench.solver().SolverStep, 3);
    EXPECT_EQ(bench.solver().SolverTile, 13);
  }
}

}  // namespace
}  // namespace quarvel
