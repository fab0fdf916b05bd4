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
  h.Send(EventId::NewGame);
  h.Send(EventId::ShowMe);
  const std::string number = h.window().gameNumberText;
  const int blankBefore = h.game().board.position.CellOf(kBlank);
  ASSERT_TRUE(h.Send(EventId::GiveUp));
  const GameState& s = h.game();
  EXPECT_FALSE(s.GameInProgress);
  EXPECT_FALSE(s.SolverUsed);
  EXPECT_EQ(h.window().clockText, "");
  EXPECT_EQ(h.window().gameNumberText, number);
  EXPECT_EQ(RowsOf(s.board.position), kSolved);
  for (int tile = 1; tile <= 15; ++tile) EXPECT_EQ(ButtonCell(s.board, tile), tile - 1);
  EXPECT_EQ(ButtonCell(s.board, kBlank), blankBefore);  // the invisible blank is not laid out
  EXPECT_TRUE(h.window().enabled.newGame && h.window().enabled.reload && h.window().enabled.replay &&
              h.window().enabled.save);
  EXPECT_FALSE(h.window().enabled.giveUp || h.window().enabled.showMe);
  EXPECT_FALSE(h.Send(EventId::GiveUp));
  // Tiles are ignored after Give Up.
  h.Tile(12);
  EXPECT_EQ(RowsOf(s.board.position), kSolved);
}

}  // namespace
}  // namespace quarvel
