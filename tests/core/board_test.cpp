#include "core/board.h"

#include <gtest/gtest.h>

#include "core/home_positions_file.h"
#include "core/tile_placement.h"
#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::BoardFromRows;
using testing::RowsOf;

TEST(MoveTile, InTheHomeLayoutOnly12And15CanMove) {
  for (int tile = 0; tile < 16; ++tile) {
    Board board;
    const bool moved = MoveTile(board, tile);
    EXPECT_EQ(moved, tile == 12 || tile == 15) << "tile " << tile;
  }
  Board board;
  MoveTile(board, 12);
  EXPECT_EQ(RowsOf(board.table), "1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12");
  EXPECT_EQ(board.buttons[12], CellOrigin(4, 4));
  EXPECT_EQ(board.buttons[0], CellOrigin(3, 4));
}

TEST(MoveTile, RefusesDistantDiagonalAndBlankAndMovesBackAndForth) {
  Board board = BoardFromRows("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 0 13 14 15");
  const Board before = board;
  EXPECT_FALSE(MoveTile(board, 14));  // two cells away in the row
  EXPECT_FALSE(MoveTile(board, 10));  // diagonal
  EXPECT_FALSE(MoveTile(board, 0));
  EXPECT_FALSE(MoveTile(board, 16));
  EXPECT_FALSE(MoveTile(board, -1));
  EXPECT_EQ(board.table, before.table);
  EXPECT_EQ(board.buttons, before.buttons);
  ASSERT_TRUE(MoveTile(board, 13));
  ASSERT_TRUE(MoveTile(board, 13));
  EXPECT_EQ(board.table, before.table);
  EXPECT_EQ(board.buttons, before.buttons);
}

TEST(MoveTile, ButtonsFollowTheTableOverManyMoves) {
  Board board;
  unsigned seed = 7;
  for (int i = 0; i < 5000; ++i) {
    seed = seed * 1103515245u + 12345u;
    MoveTile(board, static_cast<int>(seed >> 16) % 16);
    for (int tile = 0; tile < 16; ++tile) {
      const CellPos at = board.table[static_cast<std::size_t>(tile)];
      ASSERT_EQ(board.buttons[static_cast<std::size_t>(tile)], CellOrigin(at.Row, at.Column));
    }
  }
}

TEST(IsSolved, OnlyTheHomeLayout) {
  const BoardTable home = SolvedLayout();
  EXPECT_TRUE(IsSolved(home, home));
  EXPECT_FALSE(IsSolved(BoardFromRows("2 1 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0").table, home));
  EXPECT_FALSE(IsSolved(BoardFromRows("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15").table, home));
  EXPECT_FALSE(IsSolved(BoardFromRows("0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 14 15").table, home));
}

TEST(HomePositionsFile, ReadsTheShippedFileAndItsVariants) {
  const auto shipped = ParseHomePositions(testing::kSolvedHomeFile);
  ASSERT_TRUE(shipped);
  EXPECT_EQ(*shipped, SolvedLayout());
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
