#include "solver/row_end_rotation.h"

#include <gtest/gtest.h>

#include "solver_bench.h"

namespace quarvel {
namespace {

using testing::kGameOverShown;
using testing::SolverBench;

TEST(RowEndStep, SeatsTile4InTwelvePressesAndTheThirteenthHomesTile5) {
  SolverBench bench("1 2 3 9 / 5 6 0 4 / 7 8 10 11 / 12 13 14 15", BlankMove::Right);
  const char* const expected[] = {
      "1 2 3 9 / 5 0 6 4", "1 2 3 9 / 0 5 6 4", "0 2 3 9 / 1 5 6 4", "2 0 3 9 / 1 5 6 4", "2 3 0 9 / 1 5 6 4",
      "2 3 9 0 / 1 5 6 4", "2 3 9 4 / 1 5 6 0", "2 3 9 4 / 1 5 0 6", "2 3 0 4 / 1 5 9 6", "2 0 3 4 / 1 5 9 6",
      "0 2 3 4 / 1 5 9 6", "1 2 3 4 / 0 5 9 6", "1 2 3 4 / 5 0 9 6",
  };
  for (int press = 1; press <= 13; ++press) {
    ASSERT_GT(bench.Press(), 0) << "press " << press;
    EXPECT_EQ(bench.Rows(), std::string(expected[press - 1]) + " / 7 8 10 11 / 12 13 14 15") << "press " << press;
    if (press <= 12) {
      EXPECT_EQ(bench.solver().SolverStep, press);
    }
    EXPECT_EQ(bench.solver().RowEndRotation, press < 12) << "press " << press;
    EXPECT_EQ(bench.solver().SolverTile, 4);
    EXPECT_EQ(bench.solver().SolverLastMove, press < 12 ? BlankMove::Right : BlankMove::None) << "press " << press;
  }
  EXPECT_EQ(bench.solver().SolverStep, 12);
  EXPECT_FALSE(bench.solver().RingMode);
}

TEST(RowEndStep, Tile12UsesRowsThreeAndFourWithoutEndingTheGameMidway) {
  SolverBench bench("1 2 3 4 / 5 6 7 8 / 9 10 11 14 / 13 15 0 12");
  const int movedTiles[] = {15, 13, 9, 10, 11, 14, 12, 15, 14, 11, 10, 9};
  for (int press = 1; press <= 12; ++press) {
    EXPECT_EQ(bench.Press(), movedTiles[press - 1]) << "press " << press;
    if (press == 7) {  // the blank in the corner, row 3 holding 14 in column 3
      EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 10 11 14 12 / 9 13 15 0");
      EXPECT_TRUE(bench.game().GameInProgress);
    }
  }
  EXPECT_EQ(bench.Rows(), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 13 14 15");
  EXPECT_TRUE(bench.shown().empty());
  for (int tile : {13, 14, 15}) EXPECT_EQ(bench.Press(), tile);
  EXPECT_FALSE(bench.game().GameInProgress);
  EXPECT_EQ(bench.shown(), std::vector<std::string>{kGameOverShown});
}

}  // namespace
}  // namespace quarvel
