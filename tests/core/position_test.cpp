#include "core/position.h"

#include <gtest/gtest.h>

#include "core/board.h"
#include "core/home_positions_file.h"
#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::BoardFromRows;
using testing::PositionFromRows;
using testing::RowsOf;

TEST(MoveTile, InTheHomeLayoutOnly12And15CanMove) {
  for (int tile = 0; tile < 16; ++tile) {
    Board board;
    const bool moved = MoveTile(board, tile);
    EXPECT_EQ(moved, tile == 12 || tile == 15) << "tile " << tile;
  }
  Board board;
  MoveTile(board, 12);
  EXPECT_EQ(RowsOf(board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12");
  EXPECT_EQ(ButtonCell(board, 12), 15);
  EXPECT_EQ(ButtonCell(board, kBlank), 11);
}

TEST(MoveTile, RefusesDistantDiagonalAndBlankAndMovesBackAndForth) {
  Board board = BoardFromRows("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 13 14 15");
  const Board before = board;
  EXPECT_FALSE(MoveTile(board, 14));  // two cells away in the row
  EXPECT_FALSE(MoveTile(board, 10));  // diagonal
  EXPECT_FALSE(MoveTile(board, 0));
  EXPECT_FALSE(MoveTile(board, 16));
  EXPECT_FALSE(MoveTile(board, -1));
  EXPECT_EQ(board.position, before.position);
  ASSERT_TRUE(MoveTile(board, 13));
  ASSERT_TRUE(MoveTile(board, 13));
  EXPECT_EQ(board.position, before.position);
}

TEST(IsSolved, OnlyTheHomeLayout) {
  const Position home;
  EXPECT_TRUE(IsSolved(home, home));
  EXPECT_FALSE(IsSolved(PositionFromRows("2 1 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0"), home));
  EXPECT_FALSE(IsSolved(PositionFromRows("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15"), home));
  EXPECT_FALSE(IsSolved(PositionFromRows("0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 14 15"), home));
}

// Which positions reach the goal, checked against positions of known parity; a mirrored
// position reaches it exactly when the position does.
TEST(Position, SolvabilityTheReflectionAndPermutations) {
  const struct {
    const char* rows;
    bool solvable;
  } cases[] = {
      {testing::kSolved, true},
      {"1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 15 14 0", false},  // two tiles exchanged
      {"1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12", true},   // one slide up
      {"0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 14 15", false},
      {"0 12 9 13 / 15 11 10 14 / 3 7 2 5 / 4 8 6 1", true},   // 80 moves from the goal
      {"15 14 13 12 / 11 10 9 8 / 7 6 5 4 / 3 2 1 0", false},  // 105 inversions
  };
  for (const auto& c : cases) {
    const Position position = PositionFromRows(c.rows);
    EXPECT_EQ(position.IsSolvable(), c.solvable) << c.rows;
    EXPECT_EQ(position.Reflected().IsSolvable(), c.solvable) << c.rows;
    EXPECT_EQ(position.Reflected().Reflected(), position) << c.rows;
  }
  EXPECT_EQ(RowsOf(PositionFromRows("1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12").Reflected()),
            "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  Position::Cells twice = Position().cells();
  twice[0] = 2;
  EXPECT_FALSE(Position::FromCells(twice));
}

TEST(HomePositionsFile, ReadsTheShippedFileAndItsVariants) {
  const auto shipped = ParseHomePositions(testing::kSolvedHomeFile);
  ASSERT_TRUE(shipped);
  EXPECT_EQ(*shipped, Position());
  // LF only, blanks around fields, one record per line or all on one line, trailing junk.
  EXPECT_EQ(ParseHomePositions("4,4\n1,1\n1,2\n1,3\n1,4\n2,1\n2,2\n2,3\n2,4\n3,1\n3,2\n3,3\n3,4\n4,1\n4,2\n4,3"),
            shipped);
  EXPECT_EQ(ParseHomePositions(" 4 , 4,1,1,1,2,1,3,1,4,2,1,2,2,2,3,2,4,3,1,3,2,3,3,3,4,4,1,4,2,4,3\r\nextra"), shipped);
}

TEST(HomePositionsFile, RefusesDamagedFiles) {
  std::string text = testing::kSolvedHomeFile;
  EXPECT_FALSE(ParseHomePositions(""));
  EXPECT_FALSE(ParseHomePositions(text.substr(0, text.size() - 5)));  // 31 numbers
  EXPECT_FALSE(ParseHomePositions("5,4" + text.substr(3)));           // out of range
  EXPECT_FALSE(ParseHomePositions("0,4" + text.substr(3)));
  EXPECT_FALSE(ParseHomePositions("1,1" + text.substr(3)));  // two tiles on one cell
  EXPECT_FALSE(ParseHomePositions("x,4" + text.substr(3)));
  EXPECT_FALSE(ParseHomePositions("4,,4" + text.substr(3)));
  EXPECT_FALSE(ParseHomePositions(std::string("4\0,4", 4) + text.substr(3)));
}

}  // namespace
}  // namespace quarvel
