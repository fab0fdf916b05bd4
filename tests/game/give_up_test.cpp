// Give Up: the game stops and the tiles go back in order.
#include <gtest/gtest.h>

#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::kSolved;
using testing::RowsOf;

TEST(GiveUp, StopsTheGameRestoresTheBoardAndKeepsTheNumber) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.draws.fallback = 0.5;
  h.program.ClickNewGame();
  h.program.ClickShowMe();
  const std::string number = h.window().Text1;
  const TwipsPoint blankBefore = h.state().board.buttons[0];
  ASSERT_TRUE(h.program.ClickGiveUp());
  const GameState& s = h.state();
  EXPECT_FALSE(s.GameInProgress);
  EXPECT_FALSE(s.SolverUsed);
  EXPECT_EQ(h.window().Text3, "");
  EXPECT_EQ(h.window().Text1, number);
  EXPECT_EQ(RowsOf(s.board.table), kSolved);
  for (int tile = 1; tile <= 15; ++tile) {
    const CellPos home = CellOf(tile);
    EXPECT_EQ(s.board.buttons[static_cast<std::size_t>(tile)], CellOrigin(home.Row, home.Column));
  }
  EXPECT_EQ(s.board.buttons[0], blankBefore);  // the invisible blank is not laid out
  EXPECT_TRUE(h.window().commands.NewGame && h.window().commands.Reload && h.window().commands.Replay &&
              h.window().commands.Save);
  EXPECT_FALSE(h.window().commands.GiveUp || h.window().commands.ShowMe);
  EXPECT_FALSE(h.program.ClickGiveUp());
  // Tiles are ignored after Give Up.
  h.program.ClickTile(12);
  EXPECT_EQ(RowsOf(s.board.table), kSolved);
}

}  // namespace
}  // namespace quarvel
